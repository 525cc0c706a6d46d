#pragma once
// A rich text box driven through its selection, as the readings are written: move the caret, set the
// selection's formatting, insert text. Positions count characters of the document, where a line break is
// one character; texts given and taken carry CR LF line breaks, converted here and nowhere else.
#include <QColor>
#include <QTextEdit>

namespace platform {

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

    explicit RichTextBox(QWidget* parent = nullptr);

    // The whole text, line breaks as CR LF.
    QString Text() const;
    void SetText(const QString& text);
    int TextLength() const;  // the last caret position

    int SelStart() const;
    void SetSelStart(int position);  // collapses the selection there
    // Puts the caret before the first character and shows the first line whole.
    void ShowFromStart();
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    // Replaces the selection with text in the selection's current formatting; the caret ends after it.
    void SetSelText(const QString& text);

    bool SelBold() const;
    void SetSelBold(bool on);
    bool SelItalic() const;
    void SetSelItalic(bool on);
    bool SelUnderline() const;
    void SetSelUnderline(bool on);
    int SelAlignment() const;
    void SetSelAlignment(int alignment);
    static Qt::Alignment ToQtAlignment(int alignment);
    QString SelFontName() const;
    void SetSelFontName(const QString& family);
    double SelFontSize() const;
    void SetSelFontSize(double points);
    QColor SelColor() const;
    void SetSelColor(const QColor& color);
    double SelIndent() const;  // twips
    void SetSelIndent(double twips);

    // Inserts a picture at the caret, replacing the selection; the caret ends after it.
    void InsertPicture(const QImage& picture);

    // Writes text at cursor, replacing its selection, every character and line in format; the cursor ends
    // after it. The box's own caret is left where it is.
    static void InsertText(QTextCursor& cursor, const QString& crlfText, const QTextCharFormat& format);

    static QString toDocumentText(const QString& crlfText);
    static QString fromDocumentText(const QString& documentText);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void mergeFormat(const QTextCharFormat& format);
    int pictureSerial_ = 0;
};

} // namespace platform
