#pragma once

#include <string>

// An exclusive advisory lock guarding a file's read-modify-write against other
// Tarnwick processes (POSIX flock on "FILE.lock" beside the guarded file).
// The lock file is left in place on release: removing it would let a waiting
// process lock a file that a newcomer no longer sees.
class CFileLock {
public:
    static constexpr int kDefaultTimeoutMs = 10000;

    CFileLock() = default;
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;
    ~CFileLock();

    // Waits up to nTimeoutMs (0: one try) for the lock. On failure: false and
    // strReason says why (held by another program, or the system's reason).
    bool Acquire(const std::string& strPathOfFileToGuard, int nTimeoutMs, std::string& strReason);
    void Release();
    bool IsHeld() const;

    // The lock file that guards strPathOfFileToGuard.
    static std::string LockPathFor(const std::string& strPathOfFileToGuard);

private:
    int m_nFd = -1;
};
