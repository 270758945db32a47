#pragma once

#include <string>
#include <string_view>

namespace zorozod {

// Replaces the file at `path` with `bytes`, whole or not at all: the bytes go
// into a temporary file beside the target, which is flushed to disk and then
// renamed over it, keeping the old file's permissions. On any failure the old
// file is untouched, the temporary file is removed, and ZoroZodError is thrown
// with "Cannot create file <path>" (the file or its temporary cannot be
// created or put in place) or "Stream write error" (writing failed part-way).
void ReplaceFileSafely(const std::string& path, std::string_view bytes);

}  // namespace zorozod
