#pragma once

#include <functional>
#include <optional>
#include <string>

// Finds the JDK folder that "JAVABIN" defaults to.
class CJdkLocator {
public:
    using EnvironmentReader = std::function<std::optional<std::string>(const std::string& strName)>;

    static constexpr const char* kDebianDefaultJdk = "/usr/lib/jvm/default-java";

    // On POSIX systems: JAVA_HOME when it holds bin/javac, then the folder of
    // the javac found on PATH (symlinks resolved, bin/javac removed), then
    // strDefaultJdk.
    static std::string FromEnvironment(const EnvironmentReader& readEnvironment,
                                       const std::string& strDefaultJdk = kDebianDefaultJdk);

    // The process environment, for FromEnvironment.
    static std::optional<std::string> ReadProcessEnvironment(const std::string& strName);
};
