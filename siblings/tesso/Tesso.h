#pragma once

// The resource library beside quenvo: the splash picture and the product
// texts, reached through these two functions.

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// The data of the resource with this name and type, or null when there is
// none; size receives its length in bytes.
const void* TessoFindResource(const char* name, const char* type, size_t* size);

// Copies the string with this id into buffer, at most size - 1 characters
// and a terminating zero; returns the number of characters copied, 0 when
// the id has no string.
int TessoLoadString(unsigned id, char* buffer, int size);

#ifdef __cplusplus
}
#endif
