<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>उपयोग: %1 [विकल्प]</translation>
    </message>
    <message>
        <source>Estimates the risk of type 2 diabetes from a short questionnaire.</source>
        <translation>एक छोटी प्रश्नावली से टाइप 2 मधुमेह के जोखिम का अनुमान लगाता है।</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>यह सहायता दिखाकर बंद हो जाता है।</translation>
    </message>
    <message>
        <source>Displays version information and exits.</source>
        <translation>संस्करण की जानकारी दिखाकर बंद हो जाता है।</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>अनपेक्षित आर्ग्युमेंट “%1”।</translation>
    </message>
</context>
<context>
    <name>ExitScreenTexts</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support Orvane Board is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>इस जैसे Orvane Softwares प्रोग्राम आपके सहयोग से ही बनते और चलते हैं। Orvane Board का साथ देने का सबसे अच्छा तरीका है: नियमित रूप से %1 पर जाएँ और फ़ोरम की चर्चाओं और दूसरी गतिविधियों में भाग लें।</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>नियमित रूप से %1 पर जाएँ। चर्चाओं और दूसरी गतिविधियों में भाग लेकर %1 का साथ दें। आप नियमित रूप से %1 पर न आएँ, तो इन प्रोग्रामों को चलाए रखना संभव नहीं है।</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things orvane. To help %1 develop and maintain this software visit Pellora regularly.</source>
        <translation>%1, orvane से जुड़ी हर बात पर एक बिलकुल मुफ़्त ऑनलाइन चर्चा फ़ोरम है। यह प्रोग्राम बनाने और चलाए रखने में %1 की मदद के लिए नियमित रूप से Pellora पर जाएँ।</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 को आपकी मदद चाहिए। बस नियमित रूप से %1 पर जाएँ और तरह-तरह की चर्चाओं और गतिविधियों में भाग लें, ताकि हम Orvane Softwares के प्रोग्राम चलाए रख सकें और नए बना सकें।</translation>
    </message>
    <message>
        <source>Click Here To Visit www.%1 Now</source>
        <translation>www.%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>अगर आपको यह प्रोग्राम पसंद आया, तो Orvane Softwares के हमारे दूसरे प्रोग्राम भी आपको ज़रूर पसंद आएँगे। एक प्रोग्राम से शुरू करके आज हम orvane प्रोग्रामों का दुनिया का सबसे बड़ा स्रोत हैं। ज्योतिष, दिव्यदृष्टि, टैरो, अंक ज्योतिष या तंत्र-विद्या: हर क्षेत्र के प्रोग्राम हमारे पास हैं, ताकि उपयोगकर्ता अपनी रुचि के अनुसार चुन सकें।</translation>
    </message>
    <message>
        <source>All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Orvane Softwares के सभी प्रोग्राम सरल और इस्तेमाल में आसान हैं। ये मनोरंजक भी हैं और बहुत जानकारी भी देते हैं। आज ही इन्हें आज़माएँ और अपना अनुभव दोस्तों और परिवार के साथ बाँटें। </translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Diabetes risk result %1.pdf</source>
        <extracomment>The file name the result is first offered under; %1 is the date, 2024-05-31.</extracomment>
        <translation>मधुमेह जोखिम परिणाम %1.pdf</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>इस नाम का एक फ़ोल्डर पहले से मौजूद है।</translation>
    </message>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>मधुमेह जोखिम जाँच का परिणाम</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing is not available: its module was not found at:
%1</source>
        <translation>प्रिंट नहीं किया जा सकता: इसका मॉड्यूल यहाँ नहीं मिला:
%1</translation>
    </message>
    <message>
        <source>Printing is not available: its module could not be loaded.
%1</source>
        <translation>प्रिंट नहीं किया जा सकता: इसका मॉड्यूल लोड नहीं हो सका।
%1</translation>
    </message>
    <message>
        <source>Printing is not available: %1 is not this program&apos;s printing module.</source>
        <translation>प्रिंट नहीं किया जा सकता: %1 इस प्रोग्राम का प्रिंट मॉड्यूल नहीं है।</translation>
    </message>
    <message>
        <source>The result could not be printed: the printer did not start or did not finish the page.</source>
        <translation>परिणाम प्रिंट नहीं हो सका: प्रिंटर ने पेज शुरू या पूरा नहीं किया।</translation>
    </message>
</context>
<context>
    <name>PromptTextBox</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में स्पेस नहीं हो सकता</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>दो अलग-अलग ईमेल पते लिखें</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>सही ईमेल पता लिखें</translation>
    </message>
    <message>
        <source>This referral is too long to send. Please shorten your message, or another box, and press Refer A Friend Now again.</source>
        <translation>भेजने के लिए यह जानकारी बहुत लंबी है। अपना संदेश या कोई दूसरा बॉक्स छोटा करें और फिर से “अभी बताएँ” दबाएँ।</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ईमेल</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>अपना ईमेल लिखें</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>अपना संदेश लिखें</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>दोस्त का नाम</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>अपने दोस्त का नाम लिखें</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>दोस्त का ईमेल</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>अपने दोस्त का ईमेल लिखें</translation>
    </message>
</context>
<context>
    <name>ResultPage</name>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>मधुमेह जोखिम जाँच का परिणाम</translation>
    </message>
    <message>
        <source>Taken on %1</source>
        <translation>जाँच की तारीख: %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>नाम:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>लंबाई:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>वज़न:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>Weight limit for a height of %1: %2</source>
        <translation>%1 लंबाई के लिए वज़न की सीमा: %2</translation>
    </message>
    <message>
        <source>Weight limit</source>
        <translation>वज़न की सीमा</translation>
    </message>
    <message>
        <source>At or above the limit</source>
        <translation>सीमा के बराबर या उससे अधिक</translation>
    </message>
    <message>
        <source>Below the limit</source>
        <translation>सीमा से कम</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>Your answers</source>
        <translation>आपके उत्तर</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>परिणाम</translation>
    </message>
    <message>
        <source>How the score works</source>
        <translation>स्कोर कैसे निकाला जाता है</translation>
    </message>
    <message numerus="yes">
        <source>Each answer adds the points shown beside it, and a weight at or above the limit for the height adds %1 points. The total falls in one of three bands:</source>
        <translation>
            <numerusform>हर उत्तर के साथ दिखाए गए अंक जुड़ते हैं, और लंबाई के हिसाब से सीमा के बराबर या उससे अधिक वज़न होने पर %1 अंक जुड़ते हैं। कुल स्कोर इन तीन श्रेणियों में से किसी एक में आता है:</numerusform>
            <numerusform>हर उत्तर के साथ दिखाए गए अंक जुड़ते हैं, और लंबाई के हिसाब से सीमा के बराबर या उससे अधिक वज़न होने पर %1 अंक जुड़ते हैं। कुल स्कोर इन तीन श्रेणियों में से किसी एक में आता है:</numerusform>
        </translation>
    </message>
    <message>
        <source>The score is a screening aid, not a diagnosis: only a doctor can tell whether you have diabetes.</source>
        <translation>यह स्कोर जाँच में मदद के लिए है, रोग का निदान नहीं: आपको मधुमेह है या नहीं, यह केवल डॉक्टर बता सकते हैं।</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>When the test was taken: %1 is the long date, %2 the time. The mark between them is the language&apos;s own (Arabic writes &quot;،&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Yes</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Less than 45 years old</source>
        <translation>45 वर्ष से कम</translation>
    </message>
    <message>
        <source>Between 45 to 64 years old</source>
        <translation>45 से 64 वर्ष के बीच</translation>
    </message>
    <message>
        <source>65 years old or more</source>
        <translation>65 वर्ष या अधिक</translation>
    </message>
    <message>
        <source>1. What is your age?</source>
        <translation>1. आपकी उम्र क्या है?</translation>
    </message>
    <message>
        <source>2. Do you have any brother or sister suffering from diabetes?</source>
        <translation>2. क्या आपके किसी भाई या बहन को मधुमेह है?</translation>
    </message>
    <message>
        <source>3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?</source>
        <translation>3. क्या आप हफ़्ते में कम से कम 3 बार, दिन में कम से कम 30 मिनट व्यायाम करते हैं?</translation>
    </message>
    <message>
        <source>4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?</source>
        <translation>4. क्या आपने जन्म के समय 9 पाउंड (4.1 किलो) या अधिक के बच्चे को जन्म दिया है?</translation>
    </message>
    <message>
        <source>5. Do you have any parent (father or mother) suffering from diabetes?</source>
        <translation>5. क्या आपके माता-पिता (माँ या पिता) में से किसी को मधुमेह है?</translation>
    </message>
    <message>
        <source>You are at a Very Low Risk of having Type 2 Diabetes now.</source>
        <translation>अभी आपको टाइप 2 मधुमेह होने का जोखिम बहुत कम है।</translation>
    </message>
    <message>
        <source>You are at a Low Risk of having Type 2 Diabetes now.</source>
        <translation>अभी आपको टाइप 2 मधुमेह होने का जोखिम कम है।</translation>
    </message>
    <message>
        <source>You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.</source>
        <translation>अभी आपको टाइप 2 मधुमेह होने का जोखिम अधिक है। कृपया अपने डॉक्टर से सलाह लें।</translation>
    </message>
    <message>
        <source>Your Score is: %1</source>
        <translation>आपका स्कोर: %1</translation>
    </message>
    <message>
        <source>P. S: Kindly consult your physician before taking any drastic steps.</source>
        <translation>ध्यान दें: कोई भी बड़ा कदम उठाने से पहले अपने डॉक्टर से सलाह लें।</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of scores, e.g. &quot;3 to 9&quot;</extracomment>
        <translation>%1 से %2</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The scores from this one up, e.g. &quot;10 or more&quot;</extracomment>
        <translation>%1 या अधिक</translation>
    </message>
</context>
<context>
    <name>Translators</name>
    <message>
        <source>LANGUAGE_CODE</source>
        <extracomment>The code of this translation&apos;s language, as in its file name: es, de, pt_BR. Never shown.</extracomment>
        <translation>hi</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>इस प्रोग्राम का अपडेट उपलब्ध हो सकता है।
क्या आप अपडेट खोजना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>%1 icon</source>
        <translation>%1 आइकन</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator is a simple health tool that helps one know if they are prone to diabetes which is a very serious disease if left untreated. This software acts as a guideline so that you can take necessary action before it is too late. All rights to this software are held by Orvane Softwares.</source>
        <translation>Kelo Diabetes Risk Calculator एक सरल स्वास्थ्य टूल है, जिससे आप जान सकते हैं कि आपको मधुमेह का जोखिम है या नहीं। इलाज न हो तो मधुमेह बहुत गंभीर रोग है। यह प्रोग्राम आपको राह दिखाता है, ताकि आप बहुत देर होने से पहले ज़रूरी कदम उठा सकें। इस प्रोग्राम के सभी अधिकार Orvane Softwares के पास हैं।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर से बिज़नेस का मौका: अपनी वेबसाइट के ब्रांड वाला यह प्रोग्राम पाएँ और ऑनलाइन कमाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>ज़्यादा जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Orvane Softwares डाउनलोड करें</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Orvane Softwares पर जाएँ</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>दोस्त को बताएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी बताएँ (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बंद करें (&amp;X)</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>%1 आइकन</translation>
    </message>
    <message>
        <source>%1: Exit Screen</source>
        <translation>%1: बाहर निकलने की स्क्रीन</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Orvane Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>orvane फ़ोरम %1 पर जाएँ।</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>निजी जानकारी</translation>
    </message>
    <message>
        <source>Diabetes is a very serious disease that can lead to a lot of complications if left untreated. This can lead to heart disease, strokes, kidney failure and amputations.</source>
        <translation>मधुमेह बहुत गंभीर रोग है। इलाज न हो तो इससे कई जटिलताएँ हो सकती हैं, जैसे हृदय रोग, स्ट्रोक, किडनी फ़ेल होना और अंग काटना पड़ना।</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator helps you understand this disease better and take precaution on time.</source>
        <translation>Kelo Diabetes Risk Calculator से यह रोग समझें और समय पर बचाव करें।</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>लंबाई</translation>
    </message>
    <message>
        <source>feet/inches</source>
        <translation>फ़ुट/इंच</translation>
    </message>
    <message>
        <source>Enter Weight</source>
        <translation>वज़न</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>पाउंड</translation>
    </message>
    <message>
        <source>&amp;Take the Diabetes Risk Test</source>
        <translation>मधुमेह जोखिम जाँच करें (&amp;T)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>प्रश्न</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <translation>अगला प्रश्न (&amp;Q)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>परिणाम</translation>
    </message>
    <message>
        <source>&amp;Main Screen</source>
        <translation>मुख्य स्क्रीन (&amp;M)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस प्रोग्राम पर अपनी साइट का नाम और लिंक लगाएँ और विज़िटरों की वफ़ादारी और ट्रैफ़िक बढ़ाएँ। “सहायता” देखें या को-ब्रांडिंग के बारे में जानने के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर से बिज़नेस का मौका। अपना इंटरनेट बिज़नेस शुरू करें और ऑनलाइन कमाएँ। यह प्रोग्राम अपनी वेबसाइट के ब्रांड के साथ पाएँ। ज़्यादा जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print Result...</source>
        <translation>परिणाम प्रिंट करें (&amp;P)...</translation>
    </message>
    <message>
        <source>Save Result as P&amp;DF...</source>
        <translation>परिणाम P&amp;DF के रूप में सहेजें...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर जाएँ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>अपडेट खोजें (&amp;U)</translation>
    </message>
    <message>
        <source>How Is My Score &amp;Calculated?</source>
        <translation>मेरा स्कोर कैसे निकाला जाता है (&amp;C)?</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>प्रोग्राम के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Please enter your weight</source>
        <translation>अपना वज़न लिखें</translation>
    </message>
    <message>
        <source>Please enter a valid weight in pounds</source>
        <translation>पाउंड में सही वज़न लिखें</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>%2 में से प्रश्न %1</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>सेंटीमीटर</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>किलोग्राम</translation>
    </message>
    <message numerus="yes">
        <source>%1 centimetres</source>
        <translation>
            <numerusform>%1 सेंटीमीटर</numerusform>
            <numerusform>%1 सेंटीमीटर</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे नई फ़ाइल से बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>Save Result as PDF</source>
        <translation>परिणाम PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>“%1” को सहेजा नहीं जा सका: %2</translation>
    </message>
    <message>
        <source>Please enter a valid weight in kilograms, e.g. %1</source>
        <extracomment>%1 is 80.5 as the language writes it: &quot;80,5&quot;, &quot;٨٠٫٥&quot;</extracomment>
        <translation>किलोग्राम में सही वज़न लिखें, जैसे %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 feet %2</source>
        <extracomment>A height in words, heard and not shown: %1 is the feet, %2 the inches as &quot;%1 inches&quot; says them (&quot;5 feet 8 inches&quot;).</extracomment>
        <translation>
            <numerusform>%1 फ़ुट %2</numerusform>
            <numerusform>%1 फ़ुट %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 inches</source>
        <extracomment>The inches of a height in words, after the feet.</extracomment>
        <translation>
            <numerusform>%1 इंच</numerusform>
            <numerusform>%1 इंच</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmScore</name>
    <message>
        <source>How Is My Score Calculated?</source>
        <translation>मेरा स्कोर कैसे निकाला जाता है?</translation>
    </message>
    <message>
        <source>Your score adds up the points of your answers and of your weight. The higher the score, the higher the risk.</source>
        <translation>आपके स्कोर में आपके उत्तरों और आपके वज़न के अंक जुड़ते हैं। स्कोर जितना अधिक, जोखिम उतना अधिक।</translation>
    </message>
    <message>
        <source>Points for Each Answer</source>
        <translation>हर उत्तर के अंक</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1, आपका उत्तर</translation>
    </message>
    <message numerus="yes">
        <source>Your answers: %1 points</source>
        <translation>
            <numerusform>आपके उत्तर: %1 अंक</numerusform>
            <numerusform>आपके उत्तर: %1 अंक</numerusform>
        </translation>
    </message>
    <message>
        <source>Points for Weight</source>
        <translation>वज़न के अंक</translation>
    </message>
    <message numerus="yes">
        <source>At or above this weight: %1 points</source>
        <translation>
            <numerusform>इतना या इससे अधिक वज़न: %1 अंक</numerusform>
            <numerusform>इतना या इससे अधिक वज़न: %1 अंक</numerusform>
        </translation>
    </message>
    <message>
        <source>Height</source>
        <translation>लंबाई</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>किलोग्राम</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>पाउंड</translation>
    </message>
    <message>
        <source>%1, your height</source>
        <translation>%1, आपकी लंबाई</translation>
    </message>
    <message numerus="yes">
        <source>Your weight: %1, %2 points</source>
        <translation>
            <numerusform>आपका वज़न: %1, %2 अंक</numerusform>
            <numerusform>आपका वज़न: %1, %2 अंक</numerusform>
        </translation>
    </message>
    <message>
        <source>Risk by Score</source>
        <translation>स्कोर के अनुसार जोखिम</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>स्कोर</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>जोखिम</translation>
    </message>
    <message>
        <source>%1, your score</source>
        <translation>%1, आपका स्कोर</translation>
    </message>
    <message>
        <source>%1 marks your answers, height and score.</source>
        <translation>%1 आपके उत्तर, लंबाई और स्कोर दिखाता है।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>risktest</name>
    <message>
        <source>%1 cm</source>
        <extracomment>An entry of the height list: %1 is whole centimetres.</extracomment>
        <translation>%1 सेमी</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <extracomment>A weight as entered: %1 is the number of kilograms as typed.</extracomment>
        <translation>%1 किग्रा</translation>
    </message>
    <message numerus="yes">
        <source>%1 pounds</source>
        <extracomment>A weight as entered: %1 is the number of pounds as typed.</extracomment>
        <translation>
            <numerusform>%1 पाउंड</numerusform>
            <numerusform>%1 पाउंड</numerusform>
        </translation>
    </message>
</context>
</TS>
