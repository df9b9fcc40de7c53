/* Declares the fmemopen of memory_stream.c for libmdb's file.c, which is compiled with this
   header forced in. */
#pragma once
#include <stdio.h>

FILE* fmemopen(void* buffer, size_t size, const char* mode);
