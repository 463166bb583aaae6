// The handlers that keep the code fields in step with the input, copy a code
// and drive the status line, and the window's created handler.
#include "ui/clipboard.h"
#include "ui/main_window.h"
#include "ui/opacity.h"

namespace zemu {

void MainWindow::OnWindowCreated() {
  slider_->SetTickStyle(0);
  slider_->SetMaximum(255);
  slider_->SetMinimum(55);
  slider_->SetPosition(188);
  ApplyOpacity(hwnd(), slider_->Position());
  input_->SetText(kDefaultInput);
}

void MainWindow::OnInputChanged() {
  const Text forKvalue = input_->GetText();
  kvalueCode_->SetText(ComposeCode(CodeKind::Kvalue, forKvalue.data(), forKvalue.size()));
  const Text forWhere = input_->GetText();
  whereCode_->SetText(ComposeCode(CodeKind::Where, forWhere.data(), forWhere.size()));
}

void MainWindow::OnCodeFieldReleased(EditBox& field, COLORREF copyColour) {
  field.Select(field.GetText().size());
  const bool copied = PutTextOnClipboard(hwnd(), ToClipboardForm(field.GetText()));
  // The colour goes first, so the message is never drawn in the previous one.
  status_->SetTextColour(copied ? copyColour : kCopyFailedColour);
  status_->SetCaption(copied ? kCopiedMessage : kCopyFailedMessage);
}

void MainWindow::OnCodeFieldLostFocus() { status_->SetCaption(""); }

}  // namespace zemu
