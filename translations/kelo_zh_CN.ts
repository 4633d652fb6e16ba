<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>Estimates the risk of type 2 diabetes from a short questionnaire.</source>
        <translation>通过一份简短的问卷估计患2型糖尿病的风险。</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Displays version information and exits.</source>
        <translation>显示版本信息并退出。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
</context>
<context>
    <name>ExitScreenTexts</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support Orvane Board is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>像本软件这样的 Orvane Softwares 程序，只有在您的支持下才能开发和维护。支持 Orvane Board 的最好方式，就是经常访问 %1，参与论坛上的讨论和其他活动。</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>请经常访问 %1。参与讨论和其他活动，就是对 %1 的支持。没有您经常访问 %1，这些程序就无法得到支持和维护。</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things orvane. To help %1 develop and maintain this software visit Pellora regularly.</source>
        <translation>%1 是一个免费的在线论坛，讨论与 orvane 有关的一切。为帮助 %1 开发和维护本软件，请经常访问 Pellora。</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 需要您的帮助。您只需经常访问 %1，参与各种讨论和活动，就能帮助我们维护和开发更多 Orvane Softwares 程序。</translation>
    </message>
    <message>
        <source>Click Here To Visit www.%1 Now</source>
        <translation>点击此处立即访问 www.%1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>如果您喜欢本软件，一定也会对我们的其他 Orvane Softwares 程序感兴趣。我们从一款软件起步，如今已成为全球最大的 orvane 软件资源库。占星、通灵、塔罗、数字命理、神秘学，各个领域都有我们的程序，用户可以按自己的兴趣广泛选择。</translation>
    </message>
    <message>
        <source>All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Orvane Softwares 系列的所有程序都简单易用，不仅有趣，而且内容丰富。今天就来试试，并与亲友分享您的体验吧。 </translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Diabetes risk result %1.pdf</source>
        <extracomment>The file name the result is first offered under; %1 is the date, 2024-05-31.</extracomment>
        <translation>糖尿病风险测试结果 %1.pdf</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>已有同名的文件夹。</translation>
    </message>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>糖尿病风险测试结果</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing is not available: its module was not found at:
%1</source>
        <translation>无法打印：在以下位置找不到打印模块：
%1</translation>
    </message>
    <message>
        <source>Printing is not available: its module could not be loaded.
%1</source>
        <translation>无法打印：打印模块无法加载。
%1</translation>
    </message>
    <message>
        <source>Printing is not available: %1 is not this program&apos;s printing module.</source>
        <translation>无法打印：%1 不是本程序的打印模块。</translation>
    </message>
    <message>
        <source>The result could not be printed: the printer did not start or did not finish the page.</source>
        <translation>无法打印结果：打印机没有开始打印，或没有打完这一页。</translation>
    </message>
</context>
<context>
    <name>PromptTextBox</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>电子邮件地址不能包含空格</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>请输入两个不同的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>请输入有效的电子邮件地址</translation>
    </message>
    <message>
        <source>This referral is too long to send. Please shorten your message, or another box, and press Refer A Friend Now again.</source>
        <translation>推荐内容太长，无法发送。请缩短您的留言或其他某一栏，然后再次点击“立即推荐”。</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>请输入您的电子邮件地址</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>请输入您的留言</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>请输入朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>请输入朋友的电子邮件地址</translation>
    </message>
</context>
<context>
    <name>ResultPage</name>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>糖尿病风险测试结果</translation>
    </message>
    <message>
        <source>Taken on %1</source>
        <translation>测试时间：%1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>身高：</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>体重：</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Weight limit for a height of %1: %2</source>
        <translation>身高 %1 的体重上限：%2</translation>
    </message>
    <message>
        <source>Weight limit</source>
        <translation>体重上限</translation>
    </message>
    <message>
        <source>At or above the limit</source>
        <translation>达到或超过上限</translation>
    </message>
    <message>
        <source>Below the limit</source>
        <translation>低于上限</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总分</translation>
    </message>
    <message>
        <source>Your answers</source>
        <translation>您的回答</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>How the score works</source>
        <translation>计分方法</translation>
    </message>
    <message numerus="yes">
        <source>Each answer adds the points shown beside it, and a weight at or above the limit for the height adds %1 points. The total falls in one of three bands:</source>
        <translation>
            <numerusform>每个回答计入旁边所示的分值；体重达到或超过该身高的上限时，再加%1分。总分属于以下三个区间之一：</numerusform>
        </translation>
    </message>
    <message>
        <source>The score is a screening aid, not a diagnosis: only a doctor can tell whether you have diabetes.</source>
        <translation>本得分是筛查的辅助手段，不是诊断：只有医生才能判断您是否患有糖尿病。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>When the test was taken: %1 is the long date, %2 the time. The mark between them is the language&apos;s own (Arabic writes &quot;،&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Yes</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>否</translation>
    </message>
    <message>
        <source>Less than 45 years old</source>
        <translation>未满45岁</translation>
    </message>
    <message>
        <source>Between 45 to 64 years old</source>
        <translation>45至64岁</translation>
    </message>
    <message>
        <source>65 years old or more</source>
        <translation>65岁及以上</translation>
    </message>
    <message>
        <source>1. What is your age?</source>
        <translation>1. 您的年龄是多少？</translation>
    </message>
    <message>
        <source>2. Do you have any brother or sister suffering from diabetes?</source>
        <translation>2. 您的兄弟姐妹中有人患糖尿病吗？</translation>
    </message>
    <message>
        <source>3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?</source>
        <translation>3. 您是否每周至少运动3天，每天至少30分钟？</translation>
    </message>
    <message>
        <source>4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?</source>
        <translation>4. 您是女性，并且生过出生时体重9磅（约4.1千克）或以上的孩子吗？</translation>
    </message>
    <message>
        <source>5. Do you have any parent (father or mother) suffering from diabetes?</source>
        <translation>5. 您的父母（父亲或母亲）中有人患糖尿病吗？</translation>
    </message>
    <message>
        <source>You are at a Very Low Risk of having Type 2 Diabetes now.</source>
        <translation>您目前患2型糖尿病的风险很低。</translation>
    </message>
    <message>
        <source>You are at a Low Risk of having Type 2 Diabetes now.</source>
        <translation>您目前患2型糖尿病的风险低。</translation>
    </message>
    <message>
        <source>You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.</source>
        <translation>您目前患2型糖尿病的风险高。请咨询您的医生。</translation>
    </message>
    <message>
        <source>Your Score is: %1</source>
        <translation>您的得分：%1</translation>
    </message>
    <message>
        <source>P. S: Kindly consult your physician before taking any drastic steps.</source>
        <translation>附言：采取任何重大措施之前，请先咨询您的医生。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of scores, e.g. &quot;3 to 9&quot;</extracomment>
        <translation>%1至%2</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The scores from this one up, e.g. &quot;10 or more&quot;</extracomment>
        <translation>%1及以上</translation>
    </message>
</context>
<context>
    <name>Translators</name>
    <message>
        <source>LANGUAGE_CODE</source>
        <extracomment>The code of this translation&apos;s language, as in its file name: es, de, pt_BR. Never shown.</extracomment>
        <translation>zh_CN</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>本软件可能有可用的更新。
是否检查更新？</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>%1 icon</source>
        <translation>%1 图标</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator is a simple health tool that helps one know if they are prone to diabetes which is a very serious disease if left untreated. This software acts as a guideline so that you can take necessary action before it is too late. All rights to this software are held by Orvane Softwares.</source>
        <translation>Kelo Diabetes Risk Calculator 是一款简单的健康工具，帮助您了解自己是否容易患糖尿病。糖尿病如不治疗，是一种非常严重的疾病。本软件可作为参考，帮您在为时已晚之前采取必要的行动。本软件的一切权利归 Orvane Softwares 所有。</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>点击此处访问 %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家创业机会。创办您自己的互联网事业，在线赚钱。让本软件完全换上您网站的品牌。</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>点击此处了解详情。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>下载 Orvane Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>点击此处访问 Orvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推荐(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>%1 图标</translation>
    </message>
    <message>
        <source>%1: Exit Screen</source>
        <translation>%1：退出界面</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Orvane Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>最受欢迎的 orvane 论坛，点击访问 %1</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>个人信息</translation>
    </message>
    <message>
        <source>Diabetes is a very serious disease that can lead to a lot of complications if left untreated. This can lead to heart disease, strokes, kidney failure and amputations.</source>
        <translation>糖尿病是一种非常严重的疾病，如不治疗，会引起许多并发症，如心脏病、中风、肾衰竭和截肢。</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator helps you understand this disease better and take precaution on time.</source>
        <translation>Kelo Diabetes Risk Calculator 帮您更好地了解糖尿病，及时预防。</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>身高</translation>
    </message>
    <message>
        <source>feet/inches</source>
        <translation>英尺/英寸</translation>
    </message>
    <message>
        <source>Enter Weight</source>
        <translation>体重</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>磅</translation>
    </message>
    <message>
        <source>&amp;Take the Diabetes Risk Test</source>
        <translation>开始糖尿病风险测试(&amp;T)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <translation>下一题(&amp;Q)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>&amp;Main Screen</source>
        <translation>返回首页(&amp;M)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>为您的网站定制本软件的联合品牌版本，提高用户的忠诚度和网站访问量。在此处放上您网站的名称和链接，详见“帮助”。点击此处了解联合品牌的更多信息。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业机会。创办您自己的互联网事业，在线赚钱。让本软件完全换上您网站的品牌。点击此处了解详情。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print Result...</source>
        <translation>打印结果(&amp;P)...</translation>
    </message>
    <message>
        <source>Save Result as P&amp;DF...</source>
        <translation>将结果保存为 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>How Is My Score &amp;Calculated?</source>
        <translation>我的得分如何计算(&amp;C)？</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐赠(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>在线赚钱(&amp;O)</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please enter your weight</source>
        <translation>请输入您的体重</translation>
    </message>
    <message>
        <source>Please enter a valid weight in pounds</source>
        <translation>请输入以磅为单位的有效体重</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>第%1题，共%2题</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>厘米</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>千克</translation>
    </message>
    <message numerus="yes">
        <source>%1 centimetres</source>
        <translation>
            <numerusform>%1厘米</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否替换？</translation>
    </message>
    <message>
        <source>Save Result as PDF</source>
        <translation>将结果保存为 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>无法保存“%1”：%2</translation>
    </message>
    <message>
        <source>Please enter a valid weight in kilograms, e.g. %1</source>
        <extracomment>%1 is 80.5 as the language writes it: &quot;80,5&quot;, &quot;٨٠٫٥&quot;</extracomment>
        <translation>请输入以千克为单位的有效体重，例如 %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 feet %2</source>
        <extracomment>A height in words, heard and not shown: %1 is the feet, %2 the inches as &quot;%1 inches&quot; says them (&quot;5 feet 8 inches&quot;).</extracomment>
        <translation>
            <numerusform>%1英尺%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 inches</source>
        <extracomment>The inches of a height in words, after the feet.</extracomment>
        <translation>
            <numerusform>%1英寸</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmScore</name>
    <message>
        <source>How Is My Score Calculated?</source>
        <translation>我的得分如何计算？</translation>
    </message>
    <message>
        <source>Your score adds up the points of your answers and of your weight. The higher the score, the higher the risk.</source>
        <translation>您的得分是各项回答的分值与体重分值之和。得分越高，风险越高。</translation>
    </message>
    <message>
        <source>Points for Each Answer</source>
        <translation>各项回答的分值</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>回答</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>分值</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1，您的回答</translation>
    </message>
    <message numerus="yes">
        <source>Your answers: %1 points</source>
        <translation>
            <numerusform>您的回答：%1分</numerusform>
        </translation>
    </message>
    <message>
        <source>Points for Weight</source>
        <translation>体重的分值</translation>
    </message>
    <message numerus="yes">
        <source>At or above this weight: %1 points</source>
        <translation>
            <numerusform>达到或超过此体重：%1分</numerusform>
        </translation>
    </message>
    <message>
        <source>Height</source>
        <translation>身高</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>千克</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>磅</translation>
    </message>
    <message>
        <source>%1, your height</source>
        <translation>%1，您的身高</translation>
    </message>
    <message numerus="yes">
        <source>Your weight: %1, %2 points</source>
        <translation>
            <numerusform>您的体重：%1，%2分</numerusform>
        </translation>
    </message>
    <message>
        <source>Risk by Score</source>
        <translation>得分与风险</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>风险</translation>
    </message>
    <message>
        <source>%1, your score</source>
        <translation>%1，您的得分</translation>
    </message>
    <message>
        <source>%1 marks your answers, height and score.</source>
        <translation>%1 标出您的回答、身高和得分。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>程序已在运行</translation>
    </message>
</context>
<context>
    <name>risktest</name>
    <message>
        <source>%1 cm</source>
        <extracomment>An entry of the height list: %1 is whole centimetres.</extracomment>
        <translation>%1 cm</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <extracomment>A weight as entered: %1 is the number of kilograms as typed.</extracomment>
        <translation>%1 kg</translation>
    </message>
    <message numerus="yes">
        <source>%1 pounds</source>
        <extracomment>A weight as entered: %1 is the number of pounds as typed.</extracomment>
        <translation>
            <numerusform>%1磅</numerusform>
        </translation>
    </message>
</context>
</TS>
