#include "message_box.h"

#include "display_text.h"

#include <QMessageBox>

namespace plicora {

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Plicora"), displayText(text),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace plicora
