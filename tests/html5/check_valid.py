"""Dumps every HTML5 page and checks them all in one run of the Nu Html Checker."""
import pathlib
import shutil
import subprocess
import sys


def main() -> int:
    dump, jar, folder = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    if not jar.is_file():
        print(f"no checker at {jar}: run `make deps`", file=sys.stderr)
        return 1
    shutil.rmtree(folder, ignore_errors=True)
    subprocess.run([dump, str(folder)], check=True)
    pages = sorted(folder.glob("*.html5.html")) + sorted(folder.glob("*.htm"))
    result = subprocess.run(
        ["java", "-jar", str(jar), "--errors-only", "--format", "gnu"]
        + [str(page) for page in pages],
        capture_output=True, text=True)
    print(f"checked {len(pages)} pages")
    if result.returncode != 0 or result.stdout.strip() or result.stderr.strip():
        print(result.stdout, result.stderr, sep="\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
