#pragma once

#include <QByteArray>
#include <algorithm>
#include <vector>

// The middle value of a benchmark's runs (the upper one of an even count).
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The editor benchmarks' file, about 5 MB: 70,000 one-line methods, each
// with a block comment, keywords, a line comment and a string.
inline QByteArray FiveMegabyteJavaText()
{
    QByteArray body = "public class Big {\n";
    const QByteArray method = "    /* note */ public int method%1(int a) { return a + 1; } // tail \"x\"\n";
    for (int nMethod = 0; body.size() < 5 * 1024 * 1024; ++nMethod)
        body += QByteArray(method).replace("%1", QByteArray::number(nMethod));
    body += "}\n";
    return body;
}
