<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>QFileDialog</name>
    <message>
        <source>&amp;Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;اسم الملفّ:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;افتح</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;اختر</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;احذف</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;أعد التّسمية</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>أظهر الملفّات المخفيّة</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ألغِ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;أغلق</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>احفظ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;انسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;ألصق</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>أعد</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>N&amp;o to All</source>
        <translation>لا للكلّ</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>نعم للكلّ</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>&amp;Print</source>
        <translation>اطبع</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;الاسم:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>الملفّ الخرج:</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;انسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;ألصق</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>أعد</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>انسخ &amp;وصلة المكان</translation>
    </message>
</context>
</TS>
