// The floor for start-up and memory: a Qt program that shows an empty window, says "painted" at its first
// paint and leaves.
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

class EmptyWindow : public QWidget
{
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::puts("painted");
                    std::fflush(stdout);
                    QApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QWidget::event(e);
    }

private:
    bool m_done = false;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    EmptyWindow window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}
