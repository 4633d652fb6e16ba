<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>الاستخدام: %1 [الخيارات]</translation>
    </message>
    <message>
        <source>Estimates the risk of type 2 diabetes from a short questionnaire.</source>
        <translation>يقدّر خطر الإصابة بداء السكري من النوع ٢ من خلال استبيان قصير.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>يعرض هذه المساعدة ثم يخرج.</translation>
    </message>
    <message>
        <source>Displays version information and exits.</source>
        <translation>يعرض معلومات الإصدار ثم يخرج.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقَّع «%1‏».</translation>
    </message>
</context>
<context>
    <name>ExitScreenTexts</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support Orvane Board is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>لا يمكن إنشاء برامج Orvane Softwares مثل هذا البرنامج وصيانتها إلا بدعمك. وخير طريقة لدعم Orvane Board هي أن تزور %1 بانتظام وتشارك في النقاشات والأنشطة الأخرى في المنتدى.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>زُر %1 بانتظام. وادعم %1 بالمشاركة في النقاشات والأنشطة الأخرى. لا يمكن دعم هذه البرامج وصيانتها ما لم تزر %1 بانتظام.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things orvane. To help %1 develop and maintain this software visit Pellora regularly.</source>
        <translation>يُعدّ %1 منتدى نقاش مجانيًا بالكامل على الإنترنت لكل ما يتعلق بـ orvane‏. ولمساعدة %1 على تطوير هذا البرنامج وصيانته، زُر Pellora بانتظام.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Orvane Softwares.</source>
        <translation>يحتاج %1 إلى مساعدتك. كل ما عليك هو أن تزور %1 بانتظام وتشارك في مختلف النقاشات والأنشطة، لتساعدنا على صيانة برامج Orvane Softwares وتطوير المزيد منها.</translation>
    </message>
    <message>
        <source>Click Here To Visit www.%1 Now</source>
        <translation>انقر هنا لزيارة www.%1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>إن أعجبك هذا البرنامج فستهتم حتمًا ببرامج Orvane Softwares الأخرى. بدأنا ببرنامج واحد، واليوم صرنا أكبر مصدر لبرامج orvane في العالم. التنجيم أو الاستبصار أو التاروت أو علم الأعداد أو علوم الغيب: لدينا برامج في كل هذه المجالات، ليختار مستخدمونا منها ما يناسب اهتماماتهم.</translation>
    </message>
    <message>
        <source>All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>جميع برامج مجموعة Orvane Softwares بسيطة وسهلة الاستخدام، وهي ممتعة ومفيدة جدًا في آنٍ واحد. جرّبها اليوم وشارك تجربتك مع أصدقائك وعائلتك. </translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Diabetes risk result %1.pdf</source>
        <extracomment>The file name the result is first offered under; %1 is the date, 2024-05-31.</extracomment>
        <translation>نتيجة خطر السكري %1.pdf</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>يوجد مجلد بهذا الاسم بالفعل.</translation>
    </message>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>نتيجة اختبار خطر الإصابة بداء السكري</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing is not available: its module was not found at:
%1</source>
        <translation>الطباعة غير متاحة: لم يُعثر على وحدة الطباعة في:
⁦%1⁩</translation>
    </message>
    <message>
        <source>Printing is not available: its module could not be loaded.
%1</source>
        <translation>الطباعة غير متاحة: تعذّر تحميل وحدة الطباعة.
⁦%1⁩</translation>
    </message>
    <message>
        <source>Printing is not available: %1 is not this program&apos;s printing module.</source>
        <translation>الطباعة غير متاحة: الملف ⁦%1⁩ ليس وحدة الطباعة الخاصة بهذا البرنامج.</translation>
    </message>
    <message>
        <source>The result could not be printed: the printer did not start or did not finish the page.</source>
        <translation>تعذّرت طباعة النتيجة: لم تبدأ الطابعة الصفحة أو لم تُكملها.</translation>
    </message>
</context>
<context>
    <name>PromptTextBox</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافات</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يُرجى إدخال عنوانَي بريد إلكتروني مختلفين</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يُرجى إدخال عنوان بريد إلكتروني صحيح</translation>
    </message>
    <message>
        <source>This referral is too long to send. Please shorten your message, or another box, and press Refer A Friend Now again.</source>
        <translation>لا يمكن إرسال هذه التوصية لأنها طويلة جدًا. اختصر رسالتك أو حقلًا آخر، ثم اضغط «أخبر صديقك الآن» مرة أخرى.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>يُرجى إدخال بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يُرجى إدخال رسالتك</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يُرجى إدخال اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>البريد الإلكتروني لصديقك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يُرجى إدخال البريد الإلكتروني لصديقك</translation>
    </message>
</context>
<context>
    <name>ResultPage</name>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>نتيجة اختبار خطر الإصابة بداء السكري</translation>
    </message>
    <message>
        <source>Taken on %1</source>
        <translation>أُجري الاختبار يوم %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>الطول:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>الوزن:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>Weight limit for a height of %1: %2</source>
        <translation>حد الوزن لطول %1: %2</translation>
    </message>
    <message>
        <source>Weight limit</source>
        <translation>حد الوزن</translation>
    </message>
    <message>
        <source>At or above the limit</source>
        <translation>عند الحد أو فوقه</translation>
    </message>
    <message>
        <source>Below the limit</source>
        <translation>دون الحد</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>المجموع</translation>
    </message>
    <message>
        <source>Your answers</source>
        <translation>إجاباتك</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>How the score works</source>
        <translation>كيف يُحسب مجموع النقاط</translation>
    </message>
    <message numerus="yes">
        <source>Each answer adds the points shown beside it, and a weight at or above the limit for the height adds %1 points. The total falls in one of three bands:</source>
        <translation>
            <numerusform>تضيف كل إجابة النقاط المبيّنة بجانبها، ويضيف الوزن الذي يبلغ حد الوزن المقابل للطول أو يتجاوزه %1 نقطة. ويقع المجموع في إحدى الفئات الثلاث التالية:</numerusform>
            <numerusform>تضيف كل إجابة النقاط المبيّنة بجانبها، ويضيف الوزن الذي يبلغ حد الوزن المقابل للطول أو يتجاوزه %1 نقطة. ويقع المجموع في إحدى الفئات الثلاث التالية:</numerusform>
            <numerusform>تضيف كل إجابة النقاط المبيّنة بجانبها، ويضيف الوزن الذي يبلغ حد الوزن المقابل للطول أو يتجاوزه %1 نقطة. ويقع المجموع في إحدى الفئات الثلاث التالية:</numerusform>
            <numerusform>تضيف كل إجابة النقاط المبيّنة بجانبها، ويضيف الوزن الذي يبلغ حد الوزن المقابل للطول أو يتجاوزه %1 نقاط. ويقع المجموع في إحدى الفئات الثلاث التالية:</numerusform>
            <numerusform>تضيف كل إجابة النقاط المبيّنة بجانبها، ويضيف الوزن الذي يبلغ حد الوزن المقابل للطول أو يتجاوزه %1 نقطةً. ويقع المجموع في إحدى الفئات الثلاث التالية:</numerusform>
            <numerusform>تضيف كل إجابة النقاط المبيّنة بجانبها، ويضيف الوزن الذي يبلغ حد الوزن المقابل للطول أو يتجاوزه %1 نقطة. ويقع المجموع في إحدى الفئات الثلاث التالية:</numerusform>
        </translation>
    </message>
    <message>
        <source>The score is a screening aid, not a diagnosis: only a doctor can tell whether you have diabetes.</source>
        <translation>مجموع النقاط وسيلة تساعد على الكشف المبكر، وليس تشخيصًا: الطبيب وحده يستطيع أن يحدد إن كنت مصابًا بداء السكري.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>When the test was taken: %1 is the long date, %2 the time. The mark between them is the language&apos;s own (Arabic writes &quot;،&quot;).</extracomment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Yes</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>لا</translation>
    </message>
    <message>
        <source>Less than 45 years old</source>
        <translation>أقل من ٤٥ سنة</translation>
    </message>
    <message>
        <source>Between 45 to 64 years old</source>
        <translation>من ٤٥ إلى ٦٤ سنة</translation>
    </message>
    <message>
        <source>65 years old or more</source>
        <translation>٦٥ سنة أو أكثر</translation>
    </message>
    <message>
        <source>1. What is your age?</source>
        <translation>١. كم عمرك؟</translation>
    </message>
    <message>
        <source>2. Do you have any brother or sister suffering from diabetes?</source>
        <translation>٢. هل أحد إخوتك أو أخواتك مصاب بداء السكري؟</translation>
    </message>
    <message>
        <source>3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?</source>
        <translation>٣. هل تمارس الرياضة ٣ مرات على الأقل في الأسبوع، لمدة ٣٠ دقيقة على الأقل في اليوم؟</translation>
    </message>
    <message>
        <source>4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?</source>
        <translation>٤. هل أنتِ امرأة أنجبت طفلًا وزنه عند الولادة ٩ أرطال (نحو ٤ كغ) أو أكثر؟</translation>
    </message>
    <message>
        <source>5. Do you have any parent (father or mother) suffering from diabetes?</source>
        <translation>٥. هل أحد والديك (الأب أو الأم) مصاب بداء السكري؟</translation>
    </message>
    <message>
        <source>You are at a Very Low Risk of having Type 2 Diabetes now.</source>
        <translation>خطر إصابتك الآن بداء السكري من النوع ٢ منخفض جدًا.</translation>
    </message>
    <message>
        <source>You are at a Low Risk of having Type 2 Diabetes now.</source>
        <translation>خطر إصابتك الآن بداء السكري من النوع ٢ منخفض.</translation>
    </message>
    <message>
        <source>You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.</source>
        <translation>خطر إصابتك الآن بداء السكري من النوع ٢ مرتفع. يُرجى استشارة طبيبك.</translation>
    </message>
    <message>
        <source>Your Score is: %1</source>
        <translation>مجموع نقاطك: %1</translation>
    </message>
    <message>
        <source>P. S: Kindly consult your physician before taking any drastic steps.</source>
        <translation>ملاحظة: استشر طبيبك قبل اتخاذ أي خطوة جذرية.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of scores, e.g. &quot;3 to 9&quot;</extracomment>
        <translation>من %1 إلى %2</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The scores from this one up, e.g. &quot;10 or more&quot;</extracomment>
        <translation>%1 فأكثر</translation>
    </message>
</context>
<context>
    <name>Translators</name>
    <message>
        <source>LANGUAGE_CODE</source>
        <extracomment>The code of this translation&apos;s language, as in its file name: es, de, pt_BR. Never shown.</extracomment>
        <translation>ar</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>قد يتوفر تحديث لهذا البرنامج.
هل تريد البحث عن تحديثات؟</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>%1 icon</source>
        <translation>أيقونة %1</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator is a simple health tool that helps one know if they are prone to diabetes which is a very serious disease if left untreated. This software acts as a guideline so that you can take necessary action before it is too late. All rights to this software are held by Orvane Softwares.</source>
        <translation>برنامج Kelo Diabetes Risk Calculator أداة صحية بسيطة تساعدك على معرفة ما إذا كنت معرّضًا للإصابة بداء السكري، وهو مرض خطير جدًا إذا لم يُعالَج. وهذا البرنامج دليل يساعدك على اتخاذ ما يلزم قبل فوات الأوان. جميع حقوق هذا البرنامج محفوظة لشركة Orvane Softwares‏.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>انقر هنا لزيارة %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصة عمل من المنزل. أنشئ مشروعك الخاص على الإنترنت واربح المال. واحصل على هذا البرنامج بعلامة موقعك بالكامل.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>تنزيلات Orvane Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>زُر Orvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>أخبر صديقًا</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>أخبر صديقك &amp;الآن</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خر&amp;وج</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>أيقونة %1</translation>
    </message>
    <message>
        <source>%1: Exit Screen</source>
        <translation>%1: شاشة الخروج</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Orvane Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>أشهر منتدى على الإنترنت حول orvane‏. انقر هنا لزيارة %1 الآن.</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>البيانات الشخصية</translation>
    </message>
    <message>
        <source>Diabetes is a very serious disease that can lead to a lot of complications if left untreated. This can lead to heart disease, strokes, kidney failure and amputations.</source>
        <translation>داء السكري مرض خطير جدًا، وإذا لم يُعالَج فقد يسبب مضاعفات كثيرة، منها أمراض القلب والسكتات الدماغية والفشل الكلوي وبتر الأطراف.</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator helps you understand this disease better and take precaution on time.</source>
        <translation>يساعدك Kelo Diabetes Risk Calculator على فهم هذا المرض أكثر وأخذ الحيطة في الوقت المناسب.</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>الطول</translation>
    </message>
    <message>
        <source>feet/inches</source>
        <translation>قدم/بوصة</translation>
    </message>
    <message>
        <source>Enter Weight</source>
        <translation>الوزن</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>رطل</translation>
    </message>
    <message>
        <source>&amp;Take the Diabetes Risk Test</source>
        <translation>ابدأ اختبا&amp;ر خطر السكري</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>الأسئلة</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <translation>&amp;واصل</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>&amp;Main Screen</source>
        <translation>عو&amp;دة إلى البداية</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ضع علامة موقعك على هذا البرنامج لتزيد ولاء زوّار موقعك وعددهم. أضف هنا اسم موقعك ورابطه، وراجع «مساعدة». انقر هنا لمعرفة المزيد عن العلامة المشتركة.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصة عمل من المنزل. أنشئ مشروعك الخاص على الإنترنت واربح المال. احصل على هذا البرنامج بعلامة موقعك بالكامل. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;الملف</translation>
    </message>
    <message>
        <source>&amp;Print Result...</source>
        <translation>طباعة &amp;النتيجة...</translation>
    </message>
    <message>
        <source>Save Result as P&amp;DF...</source>
        <translation>حفظ النتيجة بصيغة P&amp;DF‏...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خر&amp;وج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعد&amp;ة</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;المساعدة عبر الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زيارة موقعنا على الويب</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>البحث عن تحديثا&amp;ت</translation>
    </message>
    <message>
        <source>How Is My Score &amp;Calculated?</source>
        <translation>كيف يُحسب مجمو&amp;ع نقاطي؟</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>حو&amp;ل البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>تبرّ&amp;ع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>اربح الما&amp;ل عبر الإنترنت</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Please enter your weight</source>
        <translation>يُرجى إدخال وزنك</translation>
    </message>
    <message>
        <source>Please enter a valid weight in pounds</source>
        <translation>يُرجى إدخال وزن صحيح بالرطل</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>السؤال %1 من %2</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>سنتيمتر</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>كيلوغرام</translation>
    </message>
    <message numerus="yes">
        <source>%1 centimetres</source>
        <translation>
            <numerusform>%1 سنتيمتر</numerusform>
            <numerusform>%1 سنتيمتر</numerusform>
            <numerusform>%1 سنتيمتر</numerusform>
            <numerusform>%1 سنتيمترات</numerusform>
            <numerusform>%1 سنتيمترًا</numerusform>
            <numerusform>%1 سنتيمتر</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>الملف ⁦%1⁩ موجود بالفعل.
هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Save Result as PDF</source>
        <translation>حفظ النتيجة بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>ملفات PDF‏ (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>تعذّر حفظ «⁦%1⁩»: %2</translation>
    </message>
    <message>
        <source>Please enter a valid weight in kilograms, e.g. %1</source>
        <extracomment>%1 is 80.5 as the language writes it: &quot;80,5&quot;, &quot;٨٠٫٥&quot;</extracomment>
        <translation>يُرجى إدخال وزن صحيح بالكيلوغرام، مثل %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 feet %2</source>
        <extracomment>A height in words, heard and not shown: %1 is the feet, %2 the inches as &quot;%1 inches&quot; says them (&quot;5 feet 8 inches&quot;).</extracomment>
        <translation>
            <numerusform>%1 قدم و%2</numerusform>
            <numerusform>%1 قدم و%2</numerusform>
            <numerusform>%1 قدم و%2</numerusform>
            <numerusform>%1 أقدام و%2</numerusform>
            <numerusform>%1 قدمًا و%2</numerusform>
            <numerusform>%1 قدم و%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 inches</source>
        <extracomment>The inches of a height in words, after the feet.</extracomment>
        <translation>
            <numerusform>%1 بوصة</numerusform>
            <numerusform>%1 بوصة</numerusform>
            <numerusform>%1 بوصة</numerusform>
            <numerusform>%1 بوصات</numerusform>
            <numerusform>%1 بوصةً</numerusform>
            <numerusform>%1 بوصة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmScore</name>
    <message>
        <source>How Is My Score Calculated?</source>
        <translation>كيف يُحسب مجموع نقاطي؟</translation>
    </message>
    <message>
        <source>Your score adds up the points of your answers and of your weight. The higher the score, the higher the risk.</source>
        <translation>مجموع نقاطك هو حاصل جمع نقاط إجاباتك ونقاط وزنك. وكلما ارتفع مجموع النقاط ارتفع الخطر.</translation>
    </message>
    <message>
        <source>Points for Each Answer</source>
        <translation>نقاط كل إجابة</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>الإجابة</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1، إجابتك</translation>
    </message>
    <message numerus="yes">
        <source>Your answers: %1 points</source>
        <translation>
            <numerusform>إجاباتك: %1 نقطة</numerusform>
            <numerusform>إجاباتك: %1 نقطة</numerusform>
            <numerusform>إجاباتك: %1 نقطة</numerusform>
            <numerusform>إجاباتك: %1 نقاط</numerusform>
            <numerusform>إجاباتك: %1 نقطةً</numerusform>
            <numerusform>إجاباتك: %1 نقطة</numerusform>
        </translation>
    </message>
    <message>
        <source>Points for Weight</source>
        <translation>نقاط الوزن</translation>
    </message>
    <message numerus="yes">
        <source>At or above this weight: %1 points</source>
        <translation>
            <numerusform>عند هذا الوزن أو أكثر: %1 نقطة</numerusform>
            <numerusform>عند هذا الوزن أو أكثر: %1 نقطة</numerusform>
            <numerusform>عند هذا الوزن أو أكثر: %1 نقطة</numerusform>
            <numerusform>عند هذا الوزن أو أكثر: %1 نقاط</numerusform>
            <numerusform>عند هذا الوزن أو أكثر: %1 نقطةً</numerusform>
            <numerusform>عند هذا الوزن أو أكثر: %1 نقطة</numerusform>
        </translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الطول</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>كيلوغرام</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>رطل</translation>
    </message>
    <message>
        <source>%1, your height</source>
        <translation>%1، طولك</translation>
    </message>
    <message numerus="yes">
        <source>Your weight: %1, %2 points</source>
        <translation>
            <numerusform>وزنك: %1، %2 نقطة</numerusform>
            <numerusform>وزنك: %1، %2 نقطة</numerusform>
            <numerusform>وزنك: %1، %2 نقطة</numerusform>
            <numerusform>وزنك: %1، %2 نقاط</numerusform>
            <numerusform>وزنك: %1، %2 نقطةً</numerusform>
            <numerusform>وزنك: %1، %2 نقطة</numerusform>
        </translation>
    </message>
    <message>
        <source>Risk by Score</source>
        <translation>الخطر حسب مجموع النقاط</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>مجموع النقاط</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>الخطر</translation>
    </message>
    <message>
        <source>%1, your score</source>
        <translation>%1، مجموع نقاطك</translation>
    </message>
    <message>
        <source>%1 marks your answers, height and score.</source>
        <translation>تشير العلامة %1 إلى إجاباتك وطولك ومجموع نقاطك.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
    </message>
</context>
<context>
    <name>risktest</name>
    <message>
        <source>%1 cm</source>
        <extracomment>An entry of the height list: %1 is whole centimetres.</extracomment>
        <translation>%1 سم</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <extracomment>A weight as entered: %1 is the number of kilograms as typed.</extracomment>
        <translation>%1 كغ</translation>
    </message>
    <message numerus="yes">
        <source>%1 pounds</source>
        <extracomment>A weight as entered: %1 is the number of pounds as typed.</extracomment>
        <translation>
            <numerusform>%1 رطل</numerusform>
            <numerusform>%1 رطل</numerusform>
            <numerusform>%1 رطل</numerusform>
            <numerusform>%1 أرطال</numerusform>
            <numerusform>%1 رطلًا</numerusform>
            <numerusform>%1 رطل</numerusform>
        </translation>
    </message>
</context>
</TS>
