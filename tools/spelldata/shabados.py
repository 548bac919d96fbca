"""The Punjabi commentaries of the Shabad OS Database (npm package
@shabados/database, CC BY-SA 4.0): fetching the package and reading them.

The package holds one SQLite file, build/database.sqlite. Its table
`translations` has one row per scripture line and translation source; the
column `translation` holds the translation as Unicode Gurmukhi. Which source
is in which language says `translation_sources.language_id`, a row of
`languages`. Only the running Punjabi translations (the teeka of each modern
commentator) are read: the scripture lines (`lines.gurmukhi`) and the word
glosses in `additional_information` ("word = meaning", whose left sides are
scripture words) are not.
"""

import json
import os
import shutil
import sqlite3
import subprocess
import tarfile

PACKAGE = "@shabados/database"
VERSION = "4.8.3"
DATABASE_MEMBER = "package/build/database.sqlite"

PUNJABI_COMMENTARY = """
    SELECT t.translation FROM translations t
    JOIN translation_sources s ON s.id = t.translation_source_id
    JOIN languages l ON l.id = s.language_id
    WHERE l.name_english = 'Punjabi'
    ORDER BY t.translation_source_id, t.line_id"""

COMMENTATORS = """
    SELECT DISTINCT s.name_english FROM translation_sources s
    JOIN languages l ON l.id = s.language_id
    WHERE l.name_english = 'Punjabi' ORDER BY 1"""


def fetch_database(workdir):
    """Downloads the package with npm into workdir and unpacks its database;
    returns the path of the SQLite file. Only the package's own tarball is
    fetched (`npm pack`): its JavaScript dependencies are not needed."""
    subprocess.run(["npm", "pack", "--silent", "--ignore-scripts", "--pack-destination", workdir,
                    "%s@%s" % (PACKAGE, VERSION)], check=True, stdout=subprocess.DEVNULL)
    tarballs = [name for name in os.listdir(workdir) if name.endswith(".tgz")]
    if len(tarballs) != 1:
        raise RuntimeError("npm pack left %d tarballs in %s" % (len(tarballs), workdir))
    with tarfile.open(os.path.join(workdir, tarballs[0])) as archive:
        check_version(json.load(archive.extractfile("package/package.json")))
        database_path = os.path.join(workdir, "database.sqlite")
        with open(database_path, "wb") as out:
            shutil.copyfileobj(archive.extractfile(DATABASE_MEMBER), out)
    return database_path


def check_version(package_json):
    if package_json.get("version") != VERSION:
        raise RuntimeError("expected %s %s, npm gave %s" % (PACKAGE, VERSION, package_json.get("version")))


def commentary_paragraphs(database_path):
    """Every Punjabi translation, one string per scripture line and source."""
    with sqlite3.connect("file:%s?mode=ro" % database_path, uri=True) as db:
        for (text,) in db.execute(PUNJABI_COMMENTARY):
            yield text


def commentators(database_path):
    with sqlite3.connect("file:%s?mode=ro" % database_path, uri=True) as db:
        return [name for (name,) in db.execute(COMMENTATORS)]
