#pragma once

#include <functional>

class QDialog;

// Shows a dialog modally and returns its result. Every dialog of the program
// is shown through this function, so that tests can drive it instead.
int ShowModal(QDialog* dialog);

// Replaces the modal showing: the hook receives the dialog, drives its
// controls and returns when the dialog has been closed (nested dialogs reach
// the hook too). An empty hook restores the real modal showing. Returns the
// hook it replaces.
using ModalHook = std::function<void(QDialog* dialog)>;
ModalHook SetModalHook(ModalHook hook);
