#include "ui/project/StackTraceTarget.h"

#include "core/project/JavaProjectCore.h"
#include "core/tools/StackTraceJump.h"
#include "ui/tools/ProcessOutputEdit.h"
#include "ui/tools/ProcessWindow.h"

#include <QTextDocument>

std::optional<CErrorLocation> CStackTraceTarget::Find(const CProcessWindow& window, CJavaProjectCore& project,
                                                      int nLineIndex)
{
    // A line longer than a display line is cut into several; no trace line
    // is that long, so the pieces simply read as lines of no trace.
    const std::optional<CStackTraceLine> frame = CStackTraceJump::FrameToOpen(
        window.OutputEdit()->document()->blockCount(),
        [&window](int nIndex) { return window.LineText(nIndex).toStdString(); }, nLineIndex);
    if (!frame)
        return std::nullopt;
    return project.FindStackFrame(frame->m_strClass, frame->m_strFileName, frame->m_nLine);
}
