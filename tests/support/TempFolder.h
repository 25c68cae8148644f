#pragma once

// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the object goes.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

class CTempFolder {
public:
    // The folder is <temporary folder>/<strPrefix>-XXXXXX, the Xs made unique.
    explicit CTempFolder(const std::string& strPrefix = "tarnwick-test")
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / (strPrefix + "-XXXXXX")).string();
        if (::mkdtemp(strTemplate.data()) == nullptr)
            throw std::runtime_error("cannot make a folder like " + strTemplate);
        m_strPath = strTemplate;
    }
    ~CTempFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_strPath, error);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::string& Path() const { return m_strPath; }
    // strName (which may hold subfolders) inside the folder.
    std::string PathOf(const std::string& strName) const { return m_strPath + "/" + strName; }

private:
    std::string m_strPath;
};
