#pragma once

#include <string>

class CProjectRecord;

// A .jpr record as JSON, every field exactly as stored (no path rebased),
// indented by two spaces and ended by a line break:
//
//   {"javaFiles": [{"fileName", "pathName", "projectPath",
//                   "classes": [{"name", "members": [...], "nested": [...]}],
//                   "reserved"}],
//    "htmlFiles": [{"fileName", "pathName", "projectPath"}],
//    "mainJavaFile", "mainFolder", "mainPackage", "mainHtmlFile",
//    "javaSwitches", "javacSwitches"}
//
// Texts are the stored bytes as UTF-8 (the reader has already converted
// UTF-16 texts); bytes that are not valid UTF-8 appear as U+FFFD.
class CProjectRecordJson {
public:
    static std::string Write(const CProjectRecord& record);
};
