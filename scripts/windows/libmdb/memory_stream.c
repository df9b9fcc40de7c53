/* fmemopen for Windows, which has none, so that libmdb can read a database from memory: the
   bytes go into a temporary file that Windows deletes when the stream is closed. Only reading
   is needed. */
#include "memory_stream.h"

#include <windows.h>

FILE *fmemopen(void *buffer, size_t size, const char *mode)
{
    wchar_t folder[MAX_PATH + 1];
    wchar_t path[MAX_PATH + 1];
    if (mode[0] != 'r' || mode[1] == '+')
        return NULL;
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH || !GetTempFileNameW(folder, L"mdb", 0, path))
        return NULL;
    /* T: kept in memory where the system can; D: removed with its last handle. */
    FILE *stream = _wfopen(path, L"w+bTD");
    if (!stream) {
        DeleteFileW(path);
        return NULL;
    }
    if (fwrite(buffer, 1, size, stream) != size || fflush(stream) != 0 || fseek(stream, 0, SEEK_SET) != 0) {
        fclose(stream);
        return NULL;
    }
    return stream;
}
