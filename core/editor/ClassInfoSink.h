#pragma once

#include <string>

// Receives the classes and members an outline scan finds in one file. The
// open project implements it; while no project is open the scan gets none.
// strPath is the scanned file's full path; names are the outline's texts.
class IClassInfoSink {
public:
    virtual ~IClassInfoSink() = default;

    virtual void ClearFileClasses(const std::string& strPath) = 0;
    virtual void AddClass(const std::string& strPath, const std::string& strClass) = 0;
    virtual void AddMember(const std::string& strPath, const std::string& strClass, const std::string& strMember) = 0;
    virtual void AddNestedClass(const std::string& strPath, const std::string& strClass,
                                const std::string& strNested) = 0;
    virtual void AddNestedMember(const std::string& strPath, const std::string& strClass, const std::string& strNested,
                                 const std::string& strMember) = 0;
    // Called once at the end of every scan, whatever it found.
    virtual void UpdateProjectViews() = 0;
};
