#pragma once

#include <functional>
#include <optional>
#include <string>

// Finds the JDK folder that "JAVABIN" defaults to.
class CJdkLocator {
public:
    using EnvironmentReader = std::function<std::optional<std::string>(const std::string& strName)>;

    static constexpr const char* kDebianDefaultJdk = "/usr/lib/jvm/default-java";

    // On POSIX systems: JAVA_HOME (made absolute) when it holds bin/javac, then the folder of
    // the javac found on PATH (symlinks resolved, bin/javac removed), then
    // strDefaultJdk.
    static std::string FromEnvironment(const EnvironmentReader& readEnvironment,
                                       const std::string& strDefaultJdk = kDebianDefaultJdk);

    // A JDK folder as Tarnwick keeps it: a relative one is taken from the
    // folder Tarnwick was started in, now, since tools later run in the
    // project's folder and would find another JDK (perhaps one the project
    // brought along). Empty and absolute folders stay as they are.
    static std::string AbsoluteFolder(const std::string& strFolder);

    // The process environment, for FromEnvironment.
    static std::optional<std::string> ReadProcessEnvironment(const std::string& strName);
};
