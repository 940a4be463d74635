#pragma once

class QObject;
class QString;

namespace orvanta {

// Lets screen readers read and edit every TextBox as they do a line edit. Called by each box;
// only the first call registers.
void registerTextBoxAccessibility();

// Tell screen readers what changed in a box.
void announceTextChange(QObject* box, int position, const QString& removed, const QString& inserted);
void announceSelection(QObject* box, int start, int end);
void announceCursor(QObject* box, int position);

}  // namespace orvanta
