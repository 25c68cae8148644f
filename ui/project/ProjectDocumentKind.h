#pragma once

class CDocTemplate;

// Gives the project kind its document and its window.
void RegisterProjectDocumentKind(CDocTemplate& docTemplate);
