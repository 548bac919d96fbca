"""Counting the words of one source in their canonical form, and keeping
account of what the damage rules turn away."""

import collections

import gurmukhi


class WordTally:
    """The canonical words of one source with their counts; the damaged
    words apart, by rule, so that the report can say what each rule removed."""

    def __init__(self, code, name):
        self.code = code
        self.name = name
        self.counts = collections.Counter()
        self.rejected = {rule: collections.Counter() for rule in gurmukhi.DAMAGE_RULES}
        self.rewritten = set()  # the tokens whose canonical form differs

    def add_text(self, text):
        for token in gurmukhi.raw_tokens(text):
            self.add_token(token)

    def add_token(self, token, count=1):
        if gurmukhi.is_number(token):
            return
        word = gurmukhi.canonical(token)
        if not word:
            return
        if word != token:
            self.rewritten.add(token)
        rule = gurmukhi.damage(word)
        if rule:
            self.rejected[rule][word] += count
        else:
            self.counts[word] += count

    def summary_lines(self):
        lines = ["%s (%s): %d distinct words, %d occurrences, %d distinct tokens rewritten to the canonical form"
                 % (self.name, self.code, len(self.counts), sum(self.counts.values()), len(self.rewritten))]
        for rule, words in self.rejected.items():
            if words:
                examples = " ".join(w for w, _ in words.most_common(3))
                lines.append("  removed for %s: %d distinct (%d occurrences), e.g. %s"
                             % (rule, len(words), sum(words.values()), examples))
        return lines
