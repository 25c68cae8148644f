#pragma once

#include "core/jdk/JdkLocator.h"

#include <string>
#include <string_view>
#include <vector>

// One JDK found on this machine, as the preferences list it to pick from.
struct CJdkCandidate {
    std::string m_strFolder;  // as found: JAVA_HOME's text, PATH's JDK, or a folder in the JVM root
    std::string m_strVersion; // JAVA_VERSION from its release file; empty when it has none
};

// The JDKs this machine has, and the check a JDK folder setting gets.
class CJdkCandidates {
public:
    static constexpr const char* kJvmRoot = "/usr/lib/jvm";

    // JAVA_HOME, then the JDK of the javac on PATH, then every folder in
    // strJvmRoot by name; only folders with an executable bin/javac, each JDK
    // once however many links lead to it (the first name found is kept).
    static std::vector<CJdkCandidate> Find(const CJdkLocator::EnvironmentReader& readEnvironment,
                                           const std::string& strJvmRoot = kJvmRoot);

    // The full JAVA_VERSION of a release file's text ("17.0.2", "1.8.0_292"),
    // without its quotes; empty when the file names none.
    static std::string FullVersionFromRelease(std::string_view strReleaseText);
    // The same for the release file of a JDK folder.
    static std::string FullVersionOfJdk(const std::string& strJdkFolder);

    // Whether builds can run from this folder: it holds an executable bin/javac.
    static bool HasJavac(const std::string& strJdkFolder);
    // The warning a JDK folder without bin/javac gets when it is about to be stored.
    static std::string MissingJavacText(const std::string& strJdkFolder);

    // The line a candidate shows: "17.0.2  /usr/lib/jvm/java-17-openjdk-amd64",
    // or the folder alone without a version.
    static std::string DisplayText(const CJdkCandidate& candidate);
};
