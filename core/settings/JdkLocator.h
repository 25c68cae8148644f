#pragma once

#include "core/settings/Registry.h"

#include <functional>
#include <optional>
#include <string>

// Finds the JDK folder that "JAVABIN" defaults to.
class CJdkLocator {
public:
    using EnvironmentReader = std::function<std::optional<std::string>(const std::string& strName)>;

    static constexpr const char* kWindowsFallback = "C:\\jdk1.2.2";
    static constexpr const char* kJdkRegistryKey = "SOFTWARE\\JavaSoft\\Java Development Kit";
    static constexpr const char* kDebianDefaultJdk = "/usr/lib/jvm/default-java";

    // The registered JDK's "JavaHome" (even when empty) when "CurrentVersion"
    // is set, else the Windows fallback folder.
    static std::string FromRegistry(IRegistry& registry);

    // On POSIX systems: JAVA_HOME when it holds bin/javac, then the folder of
    // the javac found on PATH (symlinks resolved, bin/javac removed), then
    // strDefaultJdk.
    static std::string FromEnvironment(const EnvironmentReader& readEnvironment,
                                       const std::string& strDefaultJdk = kDebianDefaultJdk);

    // The process environment, for FromEnvironment.
    static std::optional<std::string> ReadProcessEnvironment(const std::string& strName);
};
