#pragma once

#include "core/search/FileSearch.h"

#include <string>
#include <vector>

// One searched file as a running search hands it over: the matches found in
// it, or why it could not be read. A file with many matches comes in parts,
// each after the first marked m_bContinued.
struct CFoundFile {
    std::string m_strShownPath;
    std::string m_strPath;
    std::vector<CSearchHit> m_hits;
    bool m_bError = false;
    std::string m_strError;
    bool m_bContinued = false; // more matches of the file handed over last
};
