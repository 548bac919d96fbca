/* Types each input line, key by key, into an m17n input method and prints
 * what the method commits: the Roman-to-Gurmukhi of the Debian m17n
 * database, for comparison with quilm-cli roman --words.
 *
 *   m17n_roman LANGUAGE NAME < words > gurmukhi      (e.g. pa phonetic)
 *
 * Each line starts with a fresh input context; a blank typed after the
 * word commits what is still being composed, and is dropped again. */
#include <m17n.h>
#include <stdio.h>
#include <string.h>

static void type_key(MInputContext *ic, char c, MText *out) {
  char name[2] = {c, 0};
  MSymbol key = msymbol(name);
  if (minput_filter(ic, key, NULL)) return;
  if (minput_lookup(ic, key, NULL, out) < 0) mtext_cat_char(out, (unsigned char)c);
}

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: m17n_roman LANGUAGE NAME < words\n");
    return 2;
  }
  M17N_INIT();
  MInputMethod *im = minput_open_im(msymbol(argv[1]), msymbol(argv[2]), NULL);
  if (!im) {
    fprintf(stderr, "m17n_roman: no input method %s-%s\n", argv[1], argv[2]);
    return 1;
  }
  char line[4096];
  unsigned char utf8[16384];
  while (fgets(line, sizeof line, stdin)) {
    line[strcspn(line, "\r\n")] = 0;
    MInputContext *ic = minput_create_ic(im, NULL);
    MText *out = mtext();
    for (const char *p = line; *p; ++p) type_key(ic, *p, out);
    type_key(ic, ' ', out);
    int n = mconv_encode_buffer(Mcoding_utf_8, out, utf8, sizeof utf8 - 1);
    if (n < 0) n = 0;
    while (n > 0 && utf8[n - 1] == ' ') --n;
    utf8[n] = 0;
    printf("%s\n", (char *)utf8);
    fflush(stdout);
    m17n_object_unref(out);
    minput_destroy_ic(ic);
  }
  minput_close_im(im);
  M17N_FINI();
  return 0;
}
