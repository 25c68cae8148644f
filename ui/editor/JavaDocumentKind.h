#pragma once

class CDocTemplate;
class CTarnwickApp;

// Gives the Java source kind (template 129) its document, frame and view.
void RegisterJavaDocumentKind(CDocTemplate& docTemplate, CTarnwickApp& app);
