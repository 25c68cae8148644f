#include "core/tools/InputSender.h"

#include "core/tools/ExternalProcess.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <pthread.h>
#include <unistd.h>

// A write to a pipe whose reader has gone raises SIGPIPE, which would end
// the whole IDE: it is blocked for the write, and the one the write raised
// is taken back before it is unblocked. One that was already pending is
// left alone.
static ssize_t WriteWithoutPipeSignal(int nFd, const char* pData, std::size_t nLength)
{
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    const bool bWasPending = sigismember(&pending, SIGPIPE) == 1;
    sigset_t saved;
    if (!bWasPending)
        pthread_sigmask(SIG_BLOCK, &pipeSignal, &saved);
    ssize_t nWritten = 0;
    do
        nWritten = write(nFd, pData, nLength);
    while (nWritten < 0 && errno == EINTR);
    const int nError = errno;
    if (!bWasPending) {
        if (nWritten < 0 && nError == EPIPE) {
            const timespec noWait{0, 0};
            while (sigtimedwait(&pipeSignal, nullptr, &noWait) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &saved, nullptr);
    }
    errno = nError;
    return nWritten;
}

void CInputSender::Send(std::string_view strBytes)
{
    if (!m_bOpen || m_bEndWhenWritten || strBytes.empty())
        return;
    m_strQueue.append(strBytes);
    Flush();
}

bool CInputSender::Flush()
{
    const int nFd = m_runner.GetInputFd();
    if (nFd < 0) {
        Forget();
        return false;
    }
    while (Pending() > 0) {
        const ssize_t nWritten = WriteWithoutPipeSignal(nFd, m_strQueue.data() + m_nQueueStart, Pending());
        if (nWritten < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                break; // full: the next Flush tries again
            // EPIPE: the tool has gone, and what waits has nobody to read it.
            m_runner.CloseInput();
            Forget();
            return false;
        }
        m_nQueueStart += static_cast<std::size_t>(nWritten);
        m_nWritten += static_cast<std::size_t>(nWritten);
    }
    // The written front goes now and then, not on every write.
    if (m_nQueueStart == m_strQueue.size()) {
        m_strQueue.clear();
        m_nQueueStart = 0;
    } else if (m_nQueueStart > m_strQueue.size() / 2) {
        m_strQueue.erase(0, m_nQueueStart);
        m_nQueueStart = 0;
    }
    if (Pending() > 0)
        return true;
    if (m_bEndWhenWritten) {
        m_runner.CloseInput();
        Forget();
    }
    return false;
}

void CInputSender::End()
{
    if (!m_bOpen)
        return;
    m_bEndWhenWritten = true;
    Flush();
}

void CInputSender::Drop()
{
    if (m_bOpen)
        m_runner.CloseInput();
    Forget();
}

void CInputSender::Forget()
{
    m_bOpen = false;
    m_bEndWhenWritten = false;
    m_strQueue.clear();
    m_strQueue.shrink_to_fit();
    m_nQueueStart = 0;
}
