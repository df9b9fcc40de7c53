/* Test bridge for the language database under Wine: the program hands the ODBC driver a Windows
 * path (Z:\...\Language.mdb), and Wine's odbc32 passes it unchanged to the Linux-side driver,
 * which opens it with stat() and fopen(). Preloaded into Wine, this library turns such a path
 * into the same file seen through the prefix's drive links ($WINEPREFIX/dosdevices/z:/...).
 * Any other path goes through untouched. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

static const char* unixPath(const char* path, char* buffer, size_t size)
{
    const char* prefix = getenv("WINEPREFIX");
    if (!prefix || !path || !((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') || path[1] != ':' || path[2] != '\\')
        return path;
    int length = snprintf(buffer, size, "%s/dosdevices/%c:%s", prefix, path[0] | 0x20, path + 2);
    if (length < 0 || (size_t)length >= size)
        return path;
    for (char* c = buffer + strlen(prefix); *c; ++c) {
        if (*c == '\\')
            *c = '/';
    }
    return buffer;
}

int stat(const char* restrict path, struct stat* restrict result)
{
    static int (*real)(const char*, struct stat*);
    if (!real)
        real = (int (*)(const char*, struct stat*))dlsym(RTLD_NEXT, "stat");
    char buffer[4096];
    return real(unixPath(path, buffer, sizeof buffer), result);
}

FILE* fopen(const char* restrict path, const char* restrict mode)
{
    static FILE* (*real)(const char*, const char*);
    if (!real)
        real = (FILE * (*)(const char*, const char*)) dlsym(RTLD_NEXT, "fopen");
    char buffer[4096];
    return real(unixPath(path, buffer, sizeof buffer), mode);
}
