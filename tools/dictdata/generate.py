#!/usr/bin/env python3
"""Makes the bilingual dictionary sources under data/dict/ from public Debian data.

Sources (installed by hand before running; not needed at build time):
  unicode-cldr-core  the Punjabi (pa) and English (en) locale data and
                     emoji names of the Unicode CLDR;
  iso-codes          the Punjabi translations of language, country and
                     currency names (the pa .mo catalogues);
  the Punjabi message catalogues of installed packages
                     (/usr/share/locale/pa/LC_MESSAGES/*.mo): their single
                     words and short phrases.

Writes (UTF-8, sorted, tab-separated):
  data/dict/pbi_to_eng.tsv  Punjabi headword, word class, English meanings ("; ")
  data/dict/eng_pbi.tsv     English headword, word class, Punjabi meanings (", ")
  data/dict/wordroot.tsv    inflected form, root (both in data/spell/words.tsv)

Run: python3 tools/dictdata/generate.py [--root REPO]
"""
import argparse
import collections
import gettext
import glob
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

CLDR = "/usr/share/unicode/cldr/common"
LOCALE_PA = "/usr/share/locale/pa/LC_MESSAGES"
ISO_JSON = "/usr/share/iso-codes/json"

GURMUKHI_WORD = re.compile(r"^[\u0A00-\u0A7F]+( [\u0A00-\u0A7F]+){0,2}$")
ENGLISH_TERM = re.compile(r"^[A-Za-z][A-Za-z'-]*( [A-Za-z][A-Za-z'-]*){0,2}$")


def clean_message(text):
    """A catalogue string without accelerators, markup, placeholders or end punctuation."""
    text = re.sub(r"<[^>]*>", "", text)
    text = re.sub(r"%(\d+\$)?[-+ #0-9.]*[a-zA-Z]|\{[^}]*\}|\$\{?\w+\}?", "", text)
    text = text.replace("_", "").replace("&", "")
    text = re.sub(r"\(\s*\)", "", text)
    text = re.sub(r"[\s.:…!?]+$", "", text)
    text = re.sub(r"\s+", " ", text).strip()
    return text


def cldr_names(locale):
    """(key, name, class) of the display names of one CLDR locale."""
    root = ET.parse(os.path.join(CLDR, "main", locale + ".xml")).getroot()
    out = {}
    def add(key, text, word_class):
        if text and key not in out:
            out[key] = (text.strip(), word_class)
    for kind, tag in (("languages", "language"), ("territories", "territory"), ("scripts", "script"),
                      ("currencies", None)):
        node = root.find("localeDisplayNames/" + kind) if tag else root.find("numbers/currencies")
        if node is None:
            continue
        if tag:
            for el in node.findall(tag):
                if el.get("alt") is None:
                    add((kind, el.get("type")), el.text, "n.")
        else:
            for cur in node.findall("currency"):
                dn = [d for d in cur.findall("displayName") if d.get("count") is None]
                if dn:
                    add(("currencies", cur.get("type")), dn[0].text, "n.")
    cal = root.find("dates/calendars/calendar[@type='gregorian']")
    if cal is not None:
        for kind, ctx, item in (("months", "month", "month"), ("days", "day", "day")):
            for el in cal.findall(f"{kind}/{ctx}Context[@type='format']/{ctx}Width[@type='wide']/{item}"):
                add((kind, el.get("type")), el.text, "n.")
    for field in root.findall("dates/fields/field"):
        dn = field.find("displayName")
        if dn is not None and "-" not in field.get("type"):
            add(("fields", field.get("type")), dn.text, "n.")
    for unit in root.findall("units/unitLength[@type='long']/unit"):
        dn = unit.find("displayName")
        if dn is not None:
            add(("units", unit.get("type")), dn.text, "n.")
    return out


def cldr_annotations(locale):
    root = ET.parse(os.path.join(CLDR, "annotations", locale + ".xml")).getroot()
    return {("emoji", a.get("cp")): (a.text.strip(), "n.")
            for a in root.findall("annotations/annotation") if a.get("type") == "tts" and a.text}


def cldr_pairs():
    pairs = []
    for loader in (cldr_names, cldr_annotations):
        pa, en = loader("pa"), loader("en")
        for key, (pa_text, word_class) in pa.items():
            if key in en:
                pairs.append((pa_text, word_class, en[key][0], "cldr"))
    return pairs


def iso_pairs():
    pairs = []
    for domain, jfile, jkey in (("iso_639-2", "iso_639-2.json", "639-2"), ("iso_3166-1", "iso_3166-1.json", "3166-1"),
                                ("iso_4217", "iso_4217.json", "4217")):
        mo = os.path.join(LOCALE_PA, domain + ".mo")
        if not os.path.exists(mo):
            continue
        catalog = gettext.GNUTranslations(open(mo, "rb"))._catalog
        for entry in json.load(open(os.path.join(ISO_JSON, jfile)))[jkey]:
            name = entry.get("name")
            if name and catalog.get(name) and catalog[name] != name:
                pairs.append((catalog[name], "n.", name, "iso"))
    return pairs


def message_pairs():
    pairs = []
    for mo in sorted(glob.glob(os.path.join(LOCALE_PA, "*.mo"))):
        if os.path.basename(mo).startswith("iso_"):
            continue
        try:
            catalog = gettext.GNUTranslations(open(mo, "rb"))._catalog
        except Exception:
            continue
        for msgid, msgstr in catalog.items():
            if not isinstance(msgid, str) or not msgid or "\x04" in msgid:
                continue
            en, pa = clean_message(msgid), clean_message(msgstr)
            if ENGLISH_TERM.match(en) and GURMUKHI_WORD.match(pa) and " " not in pa and len(en.split()) <= 2:
                pairs.append((pa, "", en, "msg"))
    return pairs


def usable(pa, en):
    return GURMUKHI_WORD.match(pa) and ENGLISH_TERM.match(en)


def english_headword(en):
    return en[:1].upper() + en[1:]


def merge(pairs):
    """pa -> (class, [english...]) and en -> (class, [punjabi...]), each meaning once."""
    pbi, eng = {}, {}
    for pa, word_class, en, _ in pairs:
        pa, en = pa.strip(), re.sub(r"\s+", " ", en.strip())
        if not usable(pa, en):
            continue
        for table, head, meaning in ((pbi, pa, en), (eng, english_headword(en), pa)):
            cls, meanings = table.setdefault(head, [word_class, []])
            if not cls and word_class:
                table[head][0] = word_class
            if meaning.lower() not in (m.lower() for m in meanings):
                meanings.append(meaning)
    return pbi, eng


# Inflections, most trustworthy first: a form is given the root of the first
# rule that makes it. Infinitives in -ਣਾ/-ਨਾ give their participles and
# oblique forms (ਕਰਨਾ: ਕਰਦਾ, ਕਰਦੀ, ਕਰਦੇ, ਕਰਨੀ, ਕਰਨੇ); masculine -ਾ nouns and
# adjectives their oblique and plural forms (ਮੁੰਡਾ: ਮੁੰਡੇ, ਮੁੰਡਿਆਂ); feminine
# -ੀ nouns their plural (ਚਿੱਠੀਆਂ); consonant-final nouns their plural and
# ablative (ਸ਼ਹਿਰਾਂ, ਕੰਨੋਂ); last, the forms made on a verb's bare stem
# (ਕਰਿਆ, ਕਰੇਗਾ), which other words most often happen to share.
PARTICIPLES = ["ਦਾ", "ਦੀ", "ਦੇ", "ਦੀਆਂ", "ਦਿਆਂ"]
STEM_ENDINGS = ["ਿਆ", "ੀ", "ੇ", "ੀਆਂ", "ੇਗਾ", "ੇਗੀ", "ਣਗੇ", "ੋ", "ਾਂਗਾ", "ਾਂਗੇ", "ਾਂਗੀ"]
CONSONANT = re.compile(r"[\u0A15-\u0A39\u0A59-\u0A5E]$")


def verb_stem(root):
    for infinitive in ("ਣਾ", "ਨਾ"):
        if root.endswith(infinitive) and len(root) > 3:
            return root[: -len(infinitive)]
    return None


def participle_forms(root):
    stem = verb_stem(root)
    if stem is None:
        return []
    return [stem + e for e in PARTICIPLES] + [root[:-1] + "ੀ", root[:-1] + "ੇ"]


def noun_aa_forms(root):
    return [root[:-1] + e for e in ("ੇ", "ਿਆਂ", "ੀ", "ੀਆਂ")] if root.endswith("ਾ") and len(root) > 2 else []


def feminine_forms(root):
    return [root[:-1] + "ੀਆਂ"] if root.endswith("ੀ") and len(root) > 2 else []


def consonant_forms(root):
    return [root + e for e in ("ਾਂ", "ੋਂ")] if CONSONANT.search(root) and len(root) > 1 else []


def stem_forms(root):
    stem = verb_stem(root)
    return [stem + e for e in STEM_ENDINGS] if stem else []


RULES = [participle_forms, noun_aa_forms, feminine_forms, consonant_forms, stem_forms]


def inflection_pairs(words):
    out = {}
    for rule in RULES:
        for root in sorted(words):
            for form in rule(root):
                if form != root and form in words and form not in out:
                    out[form] = root
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.join(os.path.dirname(__file__), "..", ".."))
    args = parser.parse_args()
    out_dir = os.path.join(args.root, "data", "dict")
    os.makedirs(out_dir, exist_ok=True)

    pairs = cldr_pairs() + iso_pairs() + message_pairs()
    pbi, eng = merge(pairs)
    with open(os.path.join(out_dir, "pbi_to_eng.tsv"), "w", encoding="utf-8") as f:
        for head in sorted(pbi):
            f.write(f"{head}\t{pbi[head][0]}\t{'; '.join(pbi[head][1])}\n")
    with open(os.path.join(out_dir, "eng_pbi.tsv"), "w", encoding="utf-8") as f:
        for head in sorted(eng, key=lambda h: (h.lower(), h)):
            f.write(f"{head}\t{eng[head][0]}\t{', '.join(eng[head][1])}\n")

    words = {line.split("\t")[0] for line in open(os.path.join(args.root, "data", "spell", "words.tsv"), encoding="utf-8")}
    roots = inflection_pairs(words)
    with open(os.path.join(out_dir, "wordroot.tsv"), "w", encoding="utf-8") as f:
        for form in sorted(roots):
            f.write(f"{form}\t{roots[form]}\n")

    counts = collections.Counter(source for *_, source in pairs)
    print(f"pairs by source: {dict(counts)}", file=sys.stderr)
    print(f"pbi_to_eng: {len(pbi)} headwords; eng_pbi: {len(eng)} headwords; wordroot: {len(roots)} pairs",
          file=sys.stderr)


if __name__ == "__main__":
    main()
