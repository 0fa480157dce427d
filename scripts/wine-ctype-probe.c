/* What the C run-time says of every byte 0x80..0xFF in the locale ".CP" of each code page given:
 * "CP BYTE lead|single CLASSES UPPER LOWER", as the generated listing of the code page tables
 * has it (tests/base/data/codepages.txt), so that the two can be compared. */
#include <ctype.h>
#include <locale.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        char name[16];
        snprintf(name, sizeof name, ".%s", argv[i]);
        if (!setlocale(LC_ALL, name)) {
            printf("%s unavailable\n", argv[i]);
            continue;
        }
        for (int c = 0x80; c <= 0xFF; ++c) {
            char classes[16];
            int n = 0;
            if (isupper(c)) classes[n++] = 'U';
            if (islower(c)) classes[n++] = 'L';
            if (isalpha(c)) classes[n++] = 'A';
            if (isdigit(c)) classes[n++] = 'D';
            if (isxdigit(c)) classes[n++] = 'X';
            if (isspace(c)) classes[n++] = 'S';
            if (isprint(c)) classes[n++] = 'R';
            if (iscntrl(c)) classes[n++] = 'C';
            if (ispunct(c)) classes[n++] = 'P';
            if (isblank(c)) classes[n++] = 'B';
            if (n == 0) classes[n++] = '-';
            classes[n] = 0;
            printf("%s %02X %s %s %02X %02X\n", argv[i], c, isleadbyte(c) ? "lead" : "single", classes,
                   toupper(c) & 0xFF, tolower(c) & 0xFF);
        }
    }
    return 0;
}
