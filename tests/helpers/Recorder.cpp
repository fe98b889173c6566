// A small program the tests launch: it appends one line to the file named by KESTRUNE_RECORD_FILE with
// its working folder and its arguments, separated by tabs, so a test can see exactly how it was started.
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv)
{
    const char* file = std::getenv("KESTRUNE_RECORD_FILE");
    if (!file)
        return 1;
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd))
        cwd[0] = '\0';
    FILE* out = std::fopen(file, "a");
    if (!out)
        return 1;
    std::fprintf(out, "%s", cwd);
    for (int i = 1; i < argc; ++i)
        std::fprintf(out, "\t%s", argv[i]);
    std::fprintf(out, "\n");
    std::fclose(out);
    return 0;
}
