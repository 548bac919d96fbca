"""Which words of the sources make the main word list.

Sources, by code: p the prose corpus, s the Shabad OS commentaries, t the
Tesseract word list, a the aspell dictionary. The prose corpus is a sample of
the same commentaries (every word of p is in s, never more often), so a word's
count is its count in the commentaries; a word only on the lists t or a has
count 0.

A word is kept when
  1. the commentaries hold it at least twice, or
  2. two sources agree (p and s count as two: every prose word is kept), or
  3. it is on the Tesseract list: the only source of present-day, secular
     Punjabi (the commentaries are about scripture); without these words the
     list would miss everyday words such as ਕਿਸਾਨੀ or ਫੁੱਟਬਾਲ;
and then left out again when it looks like a scripture spelling quoted in the
commentaries: it occurs in the scripture, on neither list t nor a, and the
commentaries use it no more often than the scripture does.
"""

import collections

SOURCE_ORDER = "psta"

Entry = collections.namedtuple("Entry", "count sources")


def _sources_of(word, tallies):
    return "".join(code for code in SOURCE_ORDER if word in tallies[code].counts)


SEEN_TWICE = "seen twice or more in the commentaries"
TWO_SOURCES = "two sources agree"
TESSERACT = "on the Tesseract list alone"
KEEP_REASONS = (SEEN_TWICE, TWO_SOURCES, TESSERACT)


def _keep_reason(count, sources):
    """The first rule that keeps a word (see the module note), or None."""
    if count >= 2:
        return SEEN_TWICE
    if len(sources) >= 2:
        return TWO_SOURCES
    if "t" in sources:
        return TESSERACT
    return None


def is_quoted_scripture(word, entry, scripture_counts):
    in_scripture = scripture_counts.get(word, 0)
    on_modern_list = "t" in entry.sources or "a" in entry.sources
    return in_scripture > 0 and not on_modern_list and entry.count <= in_scripture


def merge(tallies, scripture_counts):
    """The kept words as {word: Entry}, and the report lines on each rule."""
    commentary = tallies["s"].counts
    candidates = set()
    for tally in tallies.values():
        candidates.update(tally.counts)
    kept_by = collections.Counter()
    dropped = collections.Counter()
    kept = {}
    for word in candidates:
        entry = Entry(commentary.get(word, 0), _sources_of(word, tallies))
        reason = _keep_reason(entry.count, entry.sources)
        if reason is None:
            dropped[entry.sources] += 1
        else:
            kept_by[reason] += 1
            kept[word] = entry
    scripture = sorted(w for w, e in kept.items() if is_quoted_scripture(w, e, scripture_counts))
    for word in scripture:
        del kept[word]
    report = ["distinct words over all sources: %d" % len(candidates)]
    report += ["kept (before the scripture rule), %s: %d" % (reason, kept_by[reason]) for reason in KEEP_REASONS]
    report += ["not kept, seen once, only in source %s: %d" % (codes, n) for codes, n in sorted(dropped.items())]
    report.append("left out as quoted scripture spellings: %d (%d occurrences in the commentaries), e.g. %s"
                  % (len(scripture), sum(commentary[w] for w in scripture),
                     " ".join(sorted(scripture, key=lambda w: (-commentary[w], w))[:8])))
    report.append("words in the list: %d" % len(kept))
    by_source = collections.Counter(code for e in kept.values() for code in e.sources)
    report.append("of these, from each source: " + ", ".join("%s %d" % (c, by_source[c]) for c in SOURCE_ORDER))
    return kept, report
