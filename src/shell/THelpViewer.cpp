#include "shell/THelpViewer.h"

#include "shell/helpTopics.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

THelpViewer::THelpViewer(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Veltra Help"));
    setModal(false);
    resize(420, 260);
    auto* layout = new QVBoxLayout(this);
    title = new QLabel(this);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 3);
    title->setFont(big);
    body = new QLabel(this);
    body->setWordWrap(true);
    body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    where = new QLabel(this);
    where->setEnabled(false);
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(title);
    layout->addWidget(body, 1);
    layout->addWidget(where);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void THelpViewer::showContext(int context) {
    current = context;
    const auto topic = helpTopicFor(context);
    title->setText(QString::fromStdString(topic.title));
    body->setText(QString::fromStdString(topic.text));
    where->setText(context > 0 ? tr("%1, context %2").arg(QString::fromLatin1(HELP_FILE_NAME)).arg(context)
                               : QString::fromLatin1(HELP_FILE_NAME));
    show();
    raise();
}

QString THelpViewer::topicTitle() const {
    return title->text();
}
