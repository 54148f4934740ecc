"""Runs a test script after checking that this interpreter has the modules
it needs; a missing module fails the test with one line naming the Debian
package that brings it.
    python3 cmake/python_test.py MODULE=PACKAGE[,MODULE=PACKAGE...] SCRIPT [ARG...]"""
import importlib.util
import runpy
import sys

if __name__ == "__main__":  # not when a test's worker process (multiprocessing's spawn) imports it
    needs, script, *args = sys.argv[1:]
    pairs = [pair.split("=", 1) for pair in needs.split(",") if pair]
    missing = [f"{module} ({package})" for module, package in pairs if importlib.util.find_spec(module) is None]
    if missing:
        sys.exit(f"{script}: {sys.executable} lacks the Python module {', '.join(missing)}; "
                 f"install the Debian package (.ci/deps does)")
    sys.argv = [script, *args]
    runpy.run_path(script, run_name="__main__")
