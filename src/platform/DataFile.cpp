// The warning line, its once-per-file form for bad data files, and the plain-text check.

#include "platform/DataFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

bool warnAboutFile(const std::string& file, const std::string& problem, bool onNewLine)
{
    // Keyed by the absolute path: the same name below another working
    // directory is another file.
    static std::set<std::string> named;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (!named.insert(error ? file : absolute.string()).second) {
        return false;
    }
    printWarning(file, problem, onNewLine);
    return true;
}

void printWarning(const std::string& subject, const std::string& problem, bool onNewLine)
{
    std::printf("%s=== WARNING: %s %s ===\n", onNewLine ? "\n" : "", subject.c_str(), problem.c_str());
    std::fflush(stdout);
}

bool isPlainText(std::string_view bytes)
{
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7f;
    });
}
