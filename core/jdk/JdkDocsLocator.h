#pragma once

#include <string>
#include <string_view>

// Finds the JDK API documentation that HELPPATH should name by default.
class CJdkDocsLocator {
public:
    // The JDK's own docs (<jdk>/docs/api/index.html) when installed, else the
    // distribution's docs package (<docRoot>/openjdk-<N>-doc/api/index.html),
    // else the vendor's online API docs for the JDK's major version N, else
    // empty (version unknown, or too old to have online docs).
    static std::string DefaultHelpPath(const std::string& strJdkFolder,
                                       const std::string& strDocRoot = "/usr/share/doc");

    // The JDK's major version: JAVA_VERSION in <jdk>/release, else the version
    // in the folder's name ("jdk1.8.0_202" is 8, "java-17-openjdk-amd64" 17);
    // 0 when neither gives one.
    static int MajorVersionOfJdk(const std::string& strJdkFolder);

    // JAVA_VERSION="17.0.2" in the text of a release file gives 17,
    // "1.8.0_292" gives 8; 0 when the value is missing or not a version.
    static int MajorVersionFromRelease(std::string_view strReleaseText);

    // Major version at the start of a version text: "17.0.2" is 17, "1.8.0_292"
    // is 8 (the old "1.N" naming), "25" is 25; 0 unless it starts with a digit.
    static int MajorVersionFromText(std::string_view strVersion);

    // Oracle's online API docs for a major version, or empty when it has none.
    static std::string OnlineApiDocs(int nMajor);
};
