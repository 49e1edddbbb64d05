#include "content/output.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string DataFilePath(const std::string& outDir, const std::string& gamePath) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : gamePath + "/") {
        if (c == '\\' || c == '/') {
            if (part == "..") return "";
            if (!part.empty() && part != ".") parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (parts.empty()) return "";
    std::string path = outDir;
    for (const std::string& p : parts) path += "/" + p;
    return path;
}

bool DataWriter::Write(const std::string& gamePath, const std::string& bytes) {
    std::string path = DataFilePath(outDir, gamePath);
    if (path.empty()) {
        failures.push_back(gamePath + ": not a file path");
        return false;
    }
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::stringstream old;
            old << in.rdbuf();
            if (old.str() == bytes) {
                written.push_back(gamePath);
                return true;
            }
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        failures.push_back(gamePath + ": cannot write " + path);
        return false;
    }
    written.push_back(gamePath);
    return true;
}
