// A fresh temporary folder that becomes the current directory while it lives (a test, a soak run), and
// is removed after it.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class TempDir {
  public:
    TempDir() : old_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessora-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        std::filesystem::current_path(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::current_path(old_, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Bytes of a file in the folder, or "<missing>".
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        if (!in) return "<missing>";
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

  private:
    std::filesystem::path old_;
    std::filesystem::path path_;
};
