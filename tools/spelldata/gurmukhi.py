"""Gurmukhi words: splitting text into words, the one canonical spelling of a
word, and the tests that tell a damaged word from a real one.

The canonical form (the form of every word under data/spell/):
  * the six nukta letters are precomposed: U+0A33 LLA, U+0A36 SHA, U+0A59 KHHA,
    U+0A5A GHHA, U+0A5B ZA, U+0A5E FA (Unicode normalisation, NFC included,
    writes them as base letter + U+0A3C NUKTA; both spellings read as these);
  * an independent vowel is one letter: U+0A05 + U+0A3E is written U+0A06,
    U+0A72 + U+0A3F is U+0A07, U+0A73 + U+0A41 is U+0A09, and so on;
  * no zero-width characters (U+200B ZWSP, U+200C ZWNJ, U+200D ZWJ).
Everything else stays as written (a nukta on a letter without a precomposed
form, such as U+0A15 + U+0A3C, stays two code points).
"""

import re
import unicodedata

NUKTA = "\u0a3c"
VIRAMA = "\u0a4d"
ADDAK = "\u0a71"
ZERO_WIDTH = "\u200b\u200c\u200d"

NUKTA_LETTERS = {
    "\u0a32": "\u0a33",  # LA -> LLA
    "\u0a38": "\u0a36",  # SA -> SHA
    "\u0a16": "\u0a59",  # KHA -> KHHA
    "\u0a17": "\u0a5a",  # GA -> GHHA
    "\u0a1c": "\u0a5b",  # JA -> ZA
    "\u0a2b": "\u0a5e",  # PHA -> FA
}

# A vowel bearer followed by a vowel sign, and the independent vowel it shows.
INDEPENDENT_VOWELS = {
    "\u0a05\u0a3e": "\u0a06",  # A + AA sign -> AA
    "\u0a05\u0a48": "\u0a10",  # A + AI sign -> AI
    "\u0a05\u0a4c": "\u0a14",  # A + AU sign -> AU
    "\u0a72\u0a3f": "\u0a07",  # IRI + I sign -> I
    "\u0a72\u0a40": "\u0a08",  # IRI + II sign -> II
    "\u0a72\u0a47": "\u0a0f",  # IRI + EE sign -> EE
    "\u0a73\u0a41": "\u0a09",  # URA + U sign -> U
    "\u0a73\u0a42": "\u0a0a",  # URA + UU sign -> UU
    "\u0a73\u0a4b": "\u0a13",  # URA + OO sign -> OO
}

CONSONANTS = set(chr(c) for c in range(0x0A15, 0x0A3A)) | set("\u0a59\u0a5a\u0a5b\u0a5c\u0a5e\u0a72\u0a73")
VOWELS = set(chr(c) for c in range(0x0A05, 0x0A15))
VOWEL_SIGNS = set(chr(c) for c in range(0x0A3E, 0x0A4D))
NASALS = set("\u0a01\u0a02\u0a70")          # adak bindi, bindi, tippi
TRAILING_SIGNS = set("\u0a03\u0a51\u0a75")  # visarga, udaat, yakash
LETTERS = CONSONANTS | VOWELS
SIGNS = VOWEL_SIGNS | NASALS | TRAILING_SIGNS | {NUKTA, VIRAMA, ADDAK}
GURMUKHI_WORD_CHARS = LETTERS | SIGNS

# The rules that reject a word, in the order they are tried.
FOREIGN = "Latin letters or digits"
OUTSIDE = "characters outside Gurmukhi"
NO_BASE = "a sign with no base"
DOUBLED = "a doubled sign"
ORDER = "signs out of order"
DAMAGE_RULES = (FOREIGN, OUTSIDE, NO_BASE, DOUBLED, ORDER)

_NUKTA_PAIRS = re.compile("[%s]%s" % ("".join(NUKTA_LETTERS), NUKTA))
_VOWEL_PAIRS = re.compile("|".join(INDEPENDENT_VOWELS))


def _is_separator(ch):
    """Spaces, punctuation (the dandas too) and symbols end a word."""
    category = unicodedata.category(ch)
    return category[0] in "PSZ" or category == "Cc"


def raw_tokens(text):
    """The runs of text between separators, as written."""
    token = []
    for ch in text:
        if _is_separator(ch):
            if token:
                yield "".join(token)
                token = []
        else:
            token.append(ch)
    if token:
        yield "".join(token)


def is_number(token):
    return all(unicodedata.category(ch) == "Nd" for ch in token)


def canonical(token):
    """The canonical spelling of a word (see the module note)."""
    word = "".join(ch for ch in token if ch not in ZERO_WIDTH)
    word = _NUKTA_PAIRS.sub(lambda m: NUKTA_LETTERS[m.group()[0]], word)
    return _VOWEL_PAIRS.sub(lambda m: INDEPENDENT_VOWELS[m.group()], word)


def _sign_fault(prev, ch, nxt):
    """What is wrong with the sign ch between prev and nxt (None: nothing)."""
    if prev is None:
        return NO_BASE
    if ch == prev or (ch in VOWEL_SIGNS and prev in VOWEL_SIGNS) or (ch in NASALS and prev in NASALS):
        return DOUBLED
    if ch == NUKTA:
        if prev in NUKTA_LETTERS.values():
            return DOUBLED
        return None if prev in CONSONANTS else NO_BASE
    if ch in VOWEL_SIGNS:
        if prev in CONSONANTS or prev == NUKTA:
            return None
        return NO_BASE if prev in VOWELS else ORDER
    if ch == VIRAMA:
        return None if (prev in CONSONANTS or prev == NUKTA) and nxt in CONSONANTS else ORDER
    if ch == ADDAK:
        return None if prev in LETTERS | VOWEL_SIGNS | {NUKTA} and nxt in CONSONANTS else ORDER
    if ch in NASALS or ch in TRAILING_SIGNS:
        return None if prev in LETTERS | VOWEL_SIGNS | {NUKTA} else ORDER
    return None


def damage(word):
    """The first rule of DAMAGE_RULES that rejects the canonical word, or None."""
    if any(ch.isascii() or unicodedata.category(ch) == "Nd" or "LATIN" in unicodedata.name(ch, "")
           for ch in word):
        return FOREIGN
    if any(ch not in GURMUKHI_WORD_CHARS for ch in word):
        return OUTSIDE
    for i, ch in enumerate(word):
        if ch in SIGNS:
            fault = _sign_fault(word[i - 1] if i else None, ch, word[i + 1] if i + 1 < len(word) else None)
            if fault:
                return fault
    return None
