#pragma once

class Editor;
class ModalProvider;
class QWidget;

// Print...: the print preview with the system print dialog behind its Print button, the sheet
// fitted to the page or at actual size as chosen there. Nothing about the scheme changes.
void printScheme(Editor &editor, ModalProvider &modal, QWidget *parent);
