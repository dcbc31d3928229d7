#pragma once
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/model/encoded_symbol.h"

// zint as an oracle for module-exact tests: its command line with --dump, read back as rows of
// '0'/'1' strings.

inline bool HaveZint() { return std::system("zint --version >/dev/null 2>&1") == 0; }

// `options` go to zint as written, `data` quoted for the shell. Rows come padded to whole hex digits
// as zint prints them; none when zint refuses the data; nullopt when zint does not run to its end
// (it aborts on an assertion for some UPC-E numbers).
inline std::optional<std::vector<std::string>> ZintRowsOf(const std::string& options, const std::string& data) {
    std::string command = "zint " + options + " --dump -d '";
    for (const char c : data) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::vector<std::string> rows;
    std::string bits;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;) {
        if (ch == '\n') {
            rows.push_back(bits);
            bits.clear();
        } else if (ch != ' ') {
            const int v = std::stoi(std::string(1, char(ch)), nullptr, 16);
            for (int b = 3; b >= 0; --b) bits += char('0' + ((v >> b) & 1));
        }
    }
    const int status = pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) >= 128) return std::nullopt;
    return rows;
}

// Our symbol's rows in the same form.
inline std::vector<std::string> ModuleRows(const EncodedSymbol& symbol) {
    std::vector<std::string> rows;
    for (const SymbolRow& row : symbol.rows) {
        std::string bits;
        for (const uint8_t m : row.modules) bits += char('0' + m);
        rows.push_back(bits);
    }
    return rows;
}
