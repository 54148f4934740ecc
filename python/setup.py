"""Builds libhkcal, libhkcal_hk and the hkcal tool with CMake from the
repository this folder lies in, and puts them inside the package beside its
modules (the tool in bin/, for python -m hkcal): the package then loads them
from there, with no other install step. The version is CMake's project
version, read here and written into hkcal/_version.py."""
import re
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import setup
from setuptools.command.build_py import build_py
from setuptools.dist import Distribution

HERE = Path(__file__).resolve().parent
LIBRARIES = ["hkcal", "hkcal_hk"]
TOOL = "hkcal.exe" if sys.platform == "win32" else "hkcal"


def cmake_version():
    """The VERSION of project(hkcal ...) in the repository's CMakeLists.txt."""
    text = (HERE.parent / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.search(r"project\(hkcal\s+VERSION\s+([0-9.]+)", text).group(1)


def library_file(name):
    """As hkcal/_native.py names the files (it cannot be imported here: it
    loads the libraries)."""
    if sys.platform == "win32":
        return f"{name}.dll"
    return f"lib{name}.1.dylib" if sys.platform == "darwin" else f"lib{name}.so.1"


class BuildWithLibraries(build_py):
    def run(self):
        super().run()
        root = HERE.parent
        if not (root / "CMakeLists.txt").is_file() or not (root / "include" / "hkcal_hk.h").is_file():
            sys.exit(f"hkcal: {root} is not the hkcal repository: build the package from python/ in a clone")
        if shutil.which("cmake") is None:
            sys.exit("hkcal: building the package needs CMake 3.25 or later on PATH")
        build = Path(self.get_finalized_command("build").build_temp).resolve() / "cmake"
        configure = ["cmake", "-S", str(root), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                     "-DHKCAL_BUILD_TESTS=OFF", "-DHKCAL_BUILD_TOOLS=ON", "-DHKCAL_BUILD_BENCH=OFF",
                     "-DCMAKE_SKIP_BUILD_RPATH=ON"]  # the package's own folder, not the build tree
        if shutil.which("ninja") and not (build / "CMakeCache.txt").exists():
            configure += ["-G", "Ninja"]
        subprocess.check_call(configure)
        subprocess.check_call(["cmake", "--build", str(build), "--config", "Release", "--parallel",
                               "--target", *LIBRARIES, "hkcal_tool"])
        for name in LIBRARIES:
            found = sorted(build.rglob(library_file(name)))
            if not found:
                sys.exit(f"hkcal: CMake built no {library_file(name)} in {build}")
            shutil.copyfile(found[0], Path(self.build_lib) / "hkcal" / library_file(name))
        tools = sorted(build.rglob(TOOL))
        tools = [t for t in tools if t.is_file()]
        if not tools:
            sys.exit(f"hkcal: CMake built no {TOOL} in {build}")
        (Path(self.build_lib) / "hkcal" / "bin").mkdir(exist_ok=True)
        shutil.copy2(tools[0], Path(self.build_lib) / "hkcal" / "bin" / TOOL)
        (Path(self.build_lib) / "hkcal" / "_version.py").write_text(f'__version__ = "{cmake_version()}"\n')


class BinaryDistribution(Distribution):
    """A wheel for this platform only: it holds the compiled libraries."""

    def has_ext_modules(self):
        return True


setup(version=cmake_version(), cmdclass={"build_py": BuildWithLibraries}, distclass=BinaryDistribution)
