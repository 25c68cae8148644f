#pragma once

class CDocTemplate;

// Gives the HTML page kind (template 131) its document, frame and view.
void RegisterHtmlDocumentKind(CDocTemplate& docTemplate);
