<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>अपने-आप</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>अपने-आप</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ड्राइव</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>अज्ञात</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>सभी चुनें (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>बढ़ाएँ (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>घटाएँ (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown options: %1.</source>
        <translation>अज्ञात विकल्प: %1।</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>अज्ञात विकल्प “%1”।</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[विकल्प]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>विकल्प:</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>उपयोग: %1</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” के बाद अनपेक्षित मान।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” के बाद मान नहीं दिया गया।</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>आर्ग्युमेंट:</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>संस्करण की जानकारी दिखाता है।</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>कमांड लाइन विकल्पों की सहायता दिखाता है।</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt के अपने विकल्पों सहित सहायता दिखाता है।</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>False</source>
        <translation>ग़लत</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>ड्रॉप-डाउन सूची खोलें</translation>
    </message>
    <message>
        <source>True</source>
        <translation>सही</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>बैनर पेज</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>बिलिंग की जानकारी:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>वर्गीकृत</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>गोपनीय</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>दिन (06:00 से 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>अंत में:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>अनिश्चित समय तक रोकें</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>प्रिंट जॉब</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>जॉब नियंत्रण</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>जॉब की प्राथमिकता:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>रात (18:00 से 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>तुरंत प्रिंट करें</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>तय समय पर प्रिंट:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>दूसरी शिफ़्ट (16:00 से 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>गुप्त</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>तय समय</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>शुरू में:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>तीसरी शिफ़्ट (00:00 से 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>परम गुप्त</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>अवर्गीकृत</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>सप्ताहांत (शनिवार से रविवार)</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>पहचान की पुष्टि ज़रूरी है</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>%2 पर %1 इस्तेमाल करने के लिए पहचान की पुष्टि ज़रूरी है।</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>%1 इस्तेमाल करने के लिए पहचान की पुष्टि ज़रूरी है।</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>पासवर्ड:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>उपयोगकर्ता नाम:</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>QErrorMessage</name>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Show this message again</source>
        <translation>यह संदेश फिर से दिखाएँ (&amp;S)</translation>
    </message>
    <message>
        <source>Critical Error:</source>
        <translation>गंभीर त्रुटि:</translation>
    </message>
    <message>
        <source>Debug Message:</source>
        <translation>डीबग संदेश:</translation>
    </message>
    <message>
        <source>Fatal Error:</source>
        <translation>घातक त्रुटि:</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>जानकारी:</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>चेतावनी:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
फ़ोल्डर नहीं मिला।
जाँच लें कि फ़ोल्डर का नाम सही है।</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
फ़ाइल नहीं मिली।
जाँच लें कि फ़ाइल का नाम सही है।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे नई फ़ाइल से बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>चुनें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नया फ़ोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>“%1” राइट-प्रोटेक्टेड है, उसे बदला नहीं जा सकता।
क्या आप फिर भी इसे हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>क्या आप सच में “%1” को हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>विस्तृत दृश्य पर जाएँ</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>सूची दृश्य पर जाएँ</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>फ़ोल्डर हटाया नहीं जा सका।</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विस्तृत दृश्य</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>फ़ोल्डर:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल का नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>फ़ोल्डर खोजें</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>पीछे जाएँ</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>आगे जाएँ</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ऊपर वाले फ़ोल्डर पर जाएँ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>जगहों और बुकमार्क की सूची</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>यहाँ देखें:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपर वाला फ़ोल्डर</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल की जगहें</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस रूप में सहेजें</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>दिखाएँ: </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी फ़ाइलें दिखाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>साइडबार</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलाव की तारीख</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>सहेजे बिना बंद करें</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>कोई मान लिखें:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Qt के बारे में&lt;/h3&gt;&lt;p&gt;यह प्रोग्राम Qt का संस्करण %1 इस्तेमाल करता है।&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Qt के बारे में</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>विवरण छिपाएँ...</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>विवरण दिखाएँ...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Cicero (CC)</source>
        <translation>सिसेरो (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>डीडो (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ऊँचाई:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>इंच (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा (लैंडस्केप)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>हाशिए</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>मिलीमीटर (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>दिशा</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>पेज लेआउट</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>पेजों का क्रम:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>पेज का आकार:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>हर शीट पर पेज:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>काग़ज़</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>काग़ज़ का स्रोत:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>पाइका (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>पॉइंट (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा (पोर्ट्रेट)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>उल्टा आड़ा</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>उल्टा खड़ा</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>चौड़ाई:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>नीचे का हाशिया</translation>
    </message>
    <message>
        <source>in</source>
        <translation>इंच</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>बायाँ हाशिया</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>दायाँ हाशिया</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ऊपर का हाशिया</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 इंच</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 एक्स्ट्रा</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 एक्स्ट्रा</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 प्लस</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 स्मॉल</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 एक्स्ट्रा</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>आर्किटेक्ट A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>आर्किटेक्ट B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>आर्किटेक्ट C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>आर्किटेक्ट D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>आर्किटेक्ट E</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 एक्स्ट्रा</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>कस्टम (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>कस्टम (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>कस्टम (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>कस्टम (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>कस्टम (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>कस्टम (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>डबल पोस्टकार्ड</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>लिफ़ाफ़ा B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>लिफ़ाफ़ा B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>लिफ़ाफ़ा B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>लिफ़ाफ़ा C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>लिफ़ाफ़ा C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>लिफ़ाफ़ा C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>लिफ़ाफ़ा C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>लिफ़ाफ़ा C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>लिफ़ाफ़ा C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>लिफ़ाफ़ा C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>लिफ़ाफ़ा C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>लिफ़ाफ़ा C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>लिफ़ाफ़ा Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>लिफ़ाफ़ा Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>लिफ़ाफ़ा DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>लिफ़ाफ़ा इनवाइट</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>लिफ़ाफ़ा इटैलियन</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>लिफ़ाफ़ा Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>लिफ़ाफ़ा Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>लिफ़ाफ़ा मोनार्क</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>लिफ़ाफ़ा PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>लिफ़ाफ़ा PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>लिफ़ाफ़ा PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>लिफ़ाफ़ा PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>लिफ़ाफ़ा PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>लिफ़ाफ़ा PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>लिफ़ाफ़ा PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>लिफ़ाफ़ा PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>लिफ़ाफ़ा PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>लिफ़ाफ़ा PRC 9</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>लिफ़ाफ़ा पर्सनल</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>लिफ़ाफ़ा US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>लिफ़ाफ़ा US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>लिफ़ाफ़ा US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>लिफ़ाफ़ा US 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>लिफ़ाफ़ा US 9</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>लिफ़ाफ़ा You 4</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>एग्ज़िक्यूटिव (7.25 x 10.5 इंच)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>एग्ज़िक्यूटिव (7.5 x 10 इंच)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>फ़ैन-फ़ोल्ड जर्मन (8.5 x 12 इंच)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>फ़ैन-फ़ोल्ड जर्मन लीगल (8.5 x 13 इंच)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>फ़ैन-फ़ोल्ड US (14.875 x 11 इंच)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>फ़ोलियो (8.27 x 13 इंच)</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>लेजर / ANSI B</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>लीगल</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>लीगल एक्स्ट्रा</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>लेटर / ANSI A</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>लेटर एक्स्ट्रा</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>लेटर प्लस</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>लेटर स्मॉल</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>नोट</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>पोस्टकार्ड</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>क्वार्टो</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>स्टेटमेंट</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>सुपर A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>सुपर B</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>टैब्लॉइड / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>टैब्लॉइड एक्स्ट्रा</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>बीच में रोकें</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी के लिए नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट पर लौटाएँ</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से कोशिश करें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सभी सहेजें</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी के लिए हाँ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसकी जगह नई फ़ाइल लिखना चाहते हैं?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 सही ढंग से नहीं लिखा गया है। पेजों और पेज-रेंज को अलग करने के लिए ‘,’ और रेंज बताने के लिए ‘-’ लगाएँ, और ध्यान रखें कि कोई दो रेंज आपस में न मिलें।</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 एक फ़ोल्डर है।
कृपया फ़ाइल का कोई दूसरा नाम चुनें।</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>विकल्प (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>विकल्प (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें (&amp;P)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>सभी पेज</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>नीचे से ऊपर, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>नीचे से ऊपर, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>दोनों तरफ़ प्रिंट की सेटिंग में टकराव</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>सम पेज</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>फ़ाइल %1 में लिखा नहीं जा सकता।
कृपया फ़ाइल का कोई दूसरा नाम चुनें।</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>पेज ठीक से नहीं लिखे गए</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>बाएँ से दाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>बाएँ से दाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>इसी कंप्यूटर की फ़ाइल</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>विषम पेज</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>“हर शीट पर पेज” और “पेज सेट” विकल्प एक साथ इस्तेमाल नहीं हो सकते।
कृपया इनमें से एक विकल्प बंद करें।</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फ़ाइल में प्रिंट करें ...</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फ़ाइल में प्रिंट करें (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>दाएँ से बाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>दाएँ से बाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>दोनों तरफ़ प्रिंट की सेटिंग आपस में टकराती हैं। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>ऊपर से नीचे, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>ऊपर से नीचे, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फ़ाइल लिखें</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>First page</source>
        <translation>पहला पेज</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>पूरा पेज</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>चौड़ाई के बराबर</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा (लैंडस्केप)</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>आख़िरी पेज</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>अगला पेज</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>पेज सेटअप</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>पेज सेटअप</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा (पोर्ट्रेट)</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>पिछला पेज</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>प्रिंट की झलक</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>आमने-सामने के पेज दिखाएँ</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>सभी पेज एक साथ दिखाएँ</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>एक पेज दिखाएँ</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>बड़ा करें</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>छोटा करें</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>उन्नत विकल्पों में टकराव</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>प्रिंट जॉब के विकल्प</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>पेज सेटअप में टकराव</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>प्रिंटर की सेटिंग</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>पेज सेटअप के कुछ विकल्प आपस में टकराते हैं। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>कुछ उन्नत विकल्प आपस में टकराते हैं। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>पेज</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>कुछ विकल्प आपस में टकराते हैं। कृपया इन्हें ठीक करें।</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>प्रतियाँ क्रम से</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीन</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>प्रतियाँ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रतियाँ:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>मौजूदा पेज</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>दोनों तरफ़ प्रिंट</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>ग्रेस्केल</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>लंबी तरफ़ से जिल्द</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>आउटपुट सेटिंग</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>पेज सेट:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पेज</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पेज</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सब प्रिंट करें</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>क्या प्रिंट करें</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उल्टे क्रम में</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>चुना हुआ हिस्सा</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>छोटी तरफ़ से जिल्द</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>पेज या पेज-रेंज कॉमा लगाकर अलग-अलग लिखें। रेंज दो संख्याओं के बीच हाइफ़न लगाकर लिखी जाती है। जैसे: 3,5-7,9 से पेज 3, 5, 6, 7 और 9 प्रिंट होंगे।</translation>
    </message>
    <message>
        <source>to</source>
        <translation>से</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>जगह:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फ़ाइल (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>सेटिंग (&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>झलक</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>सबसे नीचे</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>बायाँ किनारा</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>एक पेज नीचे</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>एक पेज बाएँ</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>एक पेज दाएँ</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>एक पेज ऊपर</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>दायाँ किनारा</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>नीचे स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>यहाँ तक स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>बाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>दाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>ऊपर स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>सबसे ऊपर</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>नीचे तीर</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>बायाँ तीर</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>मेन्यू</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>दायाँ तीर</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>स्पेस</translation>
    </message>
    <message>
        <source>SysReq</source>
        <translation>SysReq</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>ऊपर तीर</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>लिंक का पता कॉपी करें (&amp;L)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
</TS>
