#pragma once

#include "core/search/FileSearch.h"

#include <string>
#include <vector>

// One searched file as a running search hands it over: the matches found in
// it, or why it could not be read.
struct CFoundFile {
    std::string m_strShownPath;
    std::string m_strPath;
    std::vector<CSearchHit> m_hits;
    bool m_bError = false;
    std::string m_strError;
};
