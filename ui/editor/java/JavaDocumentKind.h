#pragma once

class CDocTemplate;

// Gives the Java source kind (template 129) its document, frame and view.
void RegisterJavaDocumentKind(CDocTemplate& docTemplate);
