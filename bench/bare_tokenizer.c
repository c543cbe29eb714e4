/* The yardstick of bench/run_all.sh: the least a program can do to read a map, as a process.
 * It reads the whole file and splits it into tokens as the map reader does (white space, "//"
 * comments, quoted strings, everything else up to white space), and prints the token count.
 * Build: cc -O2 -o bare_tokenizer bare_tokenizer.c
 * Run:   bare_tokenizer MAP */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: bare_tokenizer MAP\n");
        return 2;
    }
    FILE *file = fopen(argv[1], "rb");
    if (!file) {
        perror(argv[1]);
        return 1;
    }
    fseek(file, 0, SEEK_END);
    long size = ftell(file);
    fseek(file, 0, SEEK_SET);
    char *text = malloc((size_t)size + 1);
    if (!text || fread(text, 1, (size_t)size, file) != (size_t)size) {
        fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    fclose(file);
    text[size] = '\0';

    long tokens = 0, lines = 1;
    const char *p = text, *end = text + size;
    while (p < end) {
        if (*p <= ' ') {
            lines += *p++ == '\n';
        } else if (p[0] == '/' && p + 1 < end && p[1] == '/') {
            while (p < end && *p != '\n') ++p;
        } else if (*p == '"') {
            ++p;
            while (p < end && *p != '"') lines += *p++ == '\n';
            ++p;
            ++tokens;
        } else {
            while (p < end && *p > ' ') ++p;
            ++tokens;
        }
    }
    printf("%ld tokens, %ld lines\n", tokens, lines);
    free(text);
    return 0;
}
