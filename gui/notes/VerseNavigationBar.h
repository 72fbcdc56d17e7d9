#pragma once
#include <QWidget>

class QComboBox;
class QPushButton;

// The bar above the verse notes: book, chapter and verse lists and the
// Previous and Next buttons. It only shows; CBibleNoteView acts.
class CVerseNavigationBar : public QWidget {
    Q_OBJECT
public:
    explicit CVerseNavigationBar(QWidget* parent = nullptr);

    QComboBox* List(int controlId) const;
    QComboBox* BookList() const { return book_; }
    QComboBox* ChapterList() const { return chapter_; }
    QComboBox* VerseList() const { return verse_; }
    QPushButton* PreviousButton() const { return previous_; }
    QPushButton* NextButton() const { return next_; }

signals:
    // The user picked an entry in one of the lists.
    void selectionChanged();
    void previousClicked();
    void nextClicked();

private:
    QComboBox* book_;
    QComboBox* chapter_;
    QComboBox* verse_;
    QPushButton* previous_;
    QPushButton* next_;
};
