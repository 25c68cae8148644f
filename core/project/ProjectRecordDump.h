#pragma once

#include <string>
#include <string_view>

class CProjectRecord;

// A machine-readable listing of a .jpr record exactly as stored (no path is
// rebased), one field per line in the order the file holds them, each line
// ending with LF. Lists give their count, then their entries indented by two
// more spaces; texts are quoted with Quote.
//
//   m_javaFiles 1
//     m_strFileName "Hello.java"
//     m_strPathName "/w/Hello.java"
//     m_strProjectPath "/w/P.jpr"
//     m_classes 1
//       m_members 1
//         "main(String args[])"
//       m_nestedClasses 0
//       m_strName "Hello"
//     m_strReserved ""
//   m_htmlFiles 0
//   m_strMainJavaFile "Hello.java"
//   ... and the other five texts by name.
class CProjectRecordDump {
public:
    static std::string Write(const CProjectRecord& record);

    // The text in double quotes with C escapes, so blanks, control bytes and
    // bytes of other encodings are unambiguous and the line stays ASCII:
    // \" \\ \a \b \t \n \v \f \r, and every other byte outside ' '..'~' as
    // a three-digit octal escape (never ambiguous with a following digit).
    static std::string Quote(std::string_view strText);
};
