"""python -m hkcal [COMMAND] [ARGS...]: the hkcal command-line tool that pip
built with this package, run with the arguments given; its text is the
tool's own, so there is one implementation of it. With no command, or a year
first, it runs `hkcal holidays` (python -m hkcal 2026 --lang=zh)."""
from __future__ import annotations

import os
import shutil
import subprocess
import sys
from pathlib import Path
from typing import Optional

_HERE = Path(__file__).resolve().parent
_TOOL = "hkcal.exe" if sys.platform == "win32" else "hkcal"
_LIBRARY_PATH = {"win32": "PATH", "darwin": "DYLD_LIBRARY_PATH"}.get(sys.platform, "LD_LIBRARY_PATH")


def tool() -> Optional[str]:
    """The tool: the package's own (bin/ beside this module), else
    HKCAL_TOOL, else hkcal on PATH."""
    own = _HERE / "bin" / _TOOL
    if own.is_file():
        return str(own)
    return os.environ.get("HKCAL_TOOL") or shutil.which("hkcal")


def main(argv: Optional[list[str]] = None) -> int:
    arguments = sys.argv[1:] if argv is None else argv
    if not arguments or arguments[0][:1].isdigit() or arguments[0].startswith("--lang") \
            or arguments[0].startswith("--kind"):
        arguments = ["holidays", *arguments]
    path = tool()
    if path is None:
        print(f"hkcal: no hkcal tool in {_HERE / 'bin'}, HKCAL_TOOL or PATH; install the package with pip "
              "from a clone (it builds the tool)", file=sys.stderr)
        return 2
    environment = dict(os.environ)  # the tool finds the package's libraries beside this module
    environment[_LIBRARY_PATH] = os.pathsep.join(filter(None, [str(_HERE), environment.get(_LIBRARY_PATH)]))
    return subprocess.call([path, *arguments], env=environment)


if __name__ == "__main__":
    sys.exit(main())
