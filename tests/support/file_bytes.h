// Whole files as bytes, for tests that check what the program wrote or hand
// it what a user's file holds.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include <wx/string.h>

namespace ov_test {

/// The file's bytes; empty when it cannot be read.
inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string ReadAll(const wxString& path) { return ReadAll(std::string(path.fn_str())); }

/// Replaces the file with exactly these bytes.
inline void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline void WriteAll(const wxString& path, const std::string& bytes) { WriteAll(std::string(path.fn_str()), bytes); }

} // namespace ov_test
