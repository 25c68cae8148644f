#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CExternalProcess;

// Sends what the user types to a captured run's input without ever
// blocking: what the pipe cannot take now waits, in order, for the next
// Flush, so nothing is lost while the tool is slow to read. Once the tool
// has gone the rest is dropped quietly (its pipe answers EPIPE); SIGPIPE is
// held back around each write, so it cannot end the caller either way. One
// thread uses a sender; it must not outlive the runner.
class CInputSender {
public:
    explicit CInputSender(CExternalProcess& runner) : m_runner(runner) {}
    CInputSender(const CInputSender&) = delete;
    CInputSender& operator=(const CInputSender&) = delete;

    // Queues the bytes behind what waits and writes what the pipe takes now.
    // Nothing once the input has ended or the tool has gone.
    void Send(std::string_view strBytes);
    // Writes more of what waits; whether some still does.
    bool Flush();
    // Ends the input once all that waits is written: at once when nothing does.
    void End();
    // Ends the input now, dropping what waits (the run is being stopped).
    void Drop();

    // Bytes queued and not yet written.
    std::size_t Pending() const { return m_strQueue.size() - m_nQueueStart; }
    // Bytes the tool's pipe has taken.
    std::size_t Written() const { return m_nWritten; }
    // Whether more may be sent: false once End or Drop was called, or the
    // tool has gone.
    bool IsOpen() const { return m_bOpen && !m_bEndWhenWritten; }
    // Whether the tool's input is still open, its end perhaps waiting for
    // the queue to be written.
    bool HoldsInput() const { return m_bOpen; }

private:
    void Forget();

    CExternalProcess& m_runner;
    std::string m_strQueue;
    std::size_t m_nQueueStart = 0; // written bytes still at the front of the queue
    std::size_t m_nWritten = 0;
    bool m_bOpen = true;
    bool m_bEndWhenWritten = false;
};
