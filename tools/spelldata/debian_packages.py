"""The Debian packages the generator reads its word lists from, installed
with apt-get when missing. Only the generator needs them, never the build."""

import os
import subprocess

GENERATION_PACKAGES = ("tesseract-ocr", "tesseract-ocr-pan", "aspell", "aspell-pa", "wamerican", "npm")


def _installed(package):
    status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", package],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, encoding="utf-8").stdout
    return "install ok installed" in status


def _have_npm():
    return subprocess.run(["sh", "-c", "command -v npm"], stdout=subprocess.DEVNULL).returncode == 0


def install_missing():
    missing = [p for p in GENERATION_PACKAGES if not _installed(p) and not (p == "npm" and _have_npm())]
    if not missing:
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    print("Installing: " + " ".join(missing))
    if subprocess.run(sudo + ["apt-get", "install", "-y", "-q"] + missing, env=env).returncode != 0:
        subprocess.run(sudo + ["apt-get", "update", "-q"], env=env, check=True)
        subprocess.run(sudo + ["apt-get", "install", "-y", "-q"] + missing, env=env, check=True)
