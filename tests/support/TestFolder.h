#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A new folder in the system's temporary folder, removed with everything in it at the end.
class TestFolder {
public:
    TestFolder()
    {
        for (std::random_device random; !std::filesystem::create_directory(m_path, m_error);)
            m_path = std::filesystem::temp_directory_path() /
                     ("tikora-test-" + std::to_string(random()));
    }
    ~TestFolder() { std::filesystem::remove_all(m_path, m_error); }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& root() const { return m_path; }
    // A path in the folder, with "/" as its separator, which every system reads.
    std::string path(const std::string& name = {}) const
    {
        return (m_path / name).generic_string();
    }
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
        return path(name);
    }

private:
    std::filesystem::path m_path;
    std::error_code m_error;
};
