<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation&#x202f;: %1 [options]</translation>
    </message>
    <message>
        <source>Estimates the risk of type 2 diabetes from a short questionnaire.</source>
        <translation>Estime le risque de diabète de type 2 à partir d’un court questionnaire.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Displays version information and exits.</source>
        <translation>Affiche les informations de version et quitte.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu «&#x202f;%1&#x202f;».</translation>
    </message>
</context>
<context>
    <name>ExitScreenTexts</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support Orvane Board is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>Les logiciels Orvane Softwares comme celui-ci ne peuvent être créés et maintenus qu’avec votre soutien. La meilleure façon de soutenir Orvane Board est de visiter %1 régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>Visitez %1 régulièrement. Soutenez %1 en participant aux discussions et aux activités. Sans vos visites sur %1, ces logiciels ne peuvent être ni suivis ni maintenus.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things orvane. To help %1 develop and maintain this software visit Pellora regularly.</source>
        <translation>%1 est un forum de discussion en ligne GRATUIT sur tout ce qui touche à orvane. Pour aider %1 à développer et à maintenir ce logiciel, visitez Pellora régulièrement.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 a besoin de votre aide. Il vous suffit de visiter %1 régulièrement et de participer aux discussions et aux activités pour nous aider à maintenir et à créer d’autres logiciels Orvane Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit www.%1 Now</source>
        <translation>Cliquez ici pour visiter www.%1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si vous avez aimé ce logiciel, les autres logiciels Orvane Softwares vous intéresseront certainement. Partis d’un seul logiciel, nous sommes devenus la plus grande source de logiciels d’orvane au monde. Astrologie, voyance, tarot, numérologie ou ésotérisme&#x202f;: nous avons des logiciels dans tous les domaines, pour que chacun choisisse selon ses centres d’intérêt.</translation>
    </message>
    <message>
        <source>All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tous les logiciels de la collection Orvane Softwares sont simples et faciles à utiliser. Ils sont à la fois divertissants et très instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos amis et votre famille. </translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Diabetes risk result %1.pdf</source>
        <extracomment>The file name the result is first offered under; %1 is the date, 2024-05-31.</extracomment>
        <translation>Résultat du risque de diabète %1.pdf</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Un dossier porte déjà ce nom.</translation>
    </message>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>Résultat du test de risque de diabète</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing is not available: its module was not found at:
%1</source>
        <translation>Impression impossible&#x202f;: son module est introuvable à l’emplacement&#x202f;:
%1</translation>
    </message>
    <message>
        <source>Printing is not available: its module could not be loaded.
%1</source>
        <translation>Impression impossible&#x202f;: son module n’a pas pu être chargé.
%1</translation>
    </message>
    <message>
        <source>Printing is not available: %1 is not this program&apos;s printing module.</source>
        <translation>Impression impossible&#x202f;: %1 n’est pas le module d’impression de ce logiciel.</translation>
    </message>
    <message>
        <source>The result could not be printed: the printer did not start or did not finish the page.</source>
        <translation>Impossible d’imprimer le résultat&#x202f;: l’imprimante n’a pas démarré ou n’a pas terminé la page.</translation>
    </message>
</context>
<context>
    <name>PromptTextBox</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Saisissez deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Saisissez une adresse e-mail valide</translation>
    </message>
    <message>
        <source>This referral is too long to send. Please shorten your message, or another box, and press Refer A Friend Now again.</source>
        <translation>Cette recommandation est trop longue pour être envoyée. Raccourcissez votre message ou un autre champ, puis cliquez de nouveau sur «&#x202f;Recommander maintenant&#x202f;».</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Saisissez votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Saisissez votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Saisissez votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Saisissez le nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Saisissez l’e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>ResultPage</name>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>Résultat du test de risque de diabète</translation>
    </message>
    <message>
        <source>Taken on %1</source>
        <translation>Réalisé le %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#x202f;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Taille&#x202f;:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Poids&#x202f;:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Weight limit for a height of %1: %2</source>
        <translation>Poids limite pour une taille de %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Weight limit</source>
        <translation>Poids limite</translation>
    </message>
    <message>
        <source>At or above the limit</source>
        <translation>Égal ou supérieur à la limite</translation>
    </message>
    <message>
        <source>Below the limit</source>
        <translation>Inférieur à la limite</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Your answers</source>
        <translation>Vos réponses</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>How the score works</source>
        <translation>Comment le score est calculé</translation>
    </message>
    <message numerus="yes">
        <source>Each answer adds the points shown beside it, and a weight at or above the limit for the height adds %1 points. The total falls in one of three bands:</source>
        <translation>
            <numerusform>Chaque réponse ajoute les points indiqués à côté d’elle, et un poids égal ou supérieur à la limite pour la taille ajoute %1 point. Le total se situe dans l’une de ces trois tranches&#x202f;:</numerusform>
            <numerusform>Chaque réponse ajoute les points indiqués à côté d’elle, et un poids égal ou supérieur à la limite pour la taille ajoute %1 points. Le total se situe dans l’une de ces trois tranches&#x202f;:</numerusform>
        </translation>
    </message>
    <message>
        <source>The score is a screening aid, not a diagnosis: only a doctor can tell whether you have diabetes.</source>
        <translation>Le score est une aide au dépistage, pas un diagnostic&#x202f;: seul un médecin peut dire si vous avez un diabète.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>When the test was taken: %1 is the long date, %2 the time. The mark between them is the language&apos;s own (Arabic writes &quot;،&quot;).</extracomment>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Yes</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Less than 45 years old</source>
        <translation>Moins de 45 ans</translation>
    </message>
    <message>
        <source>Between 45 to 64 years old</source>
        <translation>Entre 45 et 64 ans</translation>
    </message>
    <message>
        <source>65 years old or more</source>
        <translation>65 ans ou plus</translation>
    </message>
    <message>
        <source>1. What is your age?</source>
        <translation>1. Quel âge avez-vous&#x202f;?</translation>
    </message>
    <message>
        <source>2. Do you have any brother or sister suffering from diabetes?</source>
        <translation>2. Avez-vous un frère ou une sœur qui a le diabète&#x202f;?</translation>
    </message>
    <message>
        <source>3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?</source>
        <translation>3. Faites-vous de l’exercice au moins 3 fois par semaine, pendant au moins 30&#xa0;minutes par jour&#x202f;?</translation>
    </message>
    <message>
        <source>4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?</source>
        <translation>4. Êtes-vous une femme ayant eu un bébé de 9&#xa0;livres (environ 4&#xa0;kg) ou plus à la naissance&#x202f;?</translation>
    </message>
    <message>
        <source>5. Do you have any parent (father or mother) suffering from diabetes?</source>
        <translation>5. L’un de vos parents (père ou mère) a-t-il le diabète&#x202f;?</translation>
    </message>
    <message>
        <source>You are at a Very Low Risk of having Type 2 Diabetes now.</source>
        <translation>Vous avez actuellement un risque très faible d’avoir un diabète de type&#xa0;2.</translation>
    </message>
    <message>
        <source>You are at a Low Risk of having Type 2 Diabetes now.</source>
        <translation>Vous avez actuellement un risque faible d’avoir un diabète de type&#xa0;2.</translation>
    </message>
    <message>
        <source>You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.</source>
        <translation>Vous avez actuellement un risque élevé d’avoir un diabète de type&#xa0;2. Consultez votre médecin.</translation>
    </message>
    <message>
        <source>Your Score is: %1</source>
        <translation>Votre score&#x202f;: %1</translation>
    </message>
    <message>
        <source>P. S: Kindly consult your physician before taking any drastic steps.</source>
        <translation>P.-S.&#x202f;: consultez votre médecin avant de prendre toute mesure radicale.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of scores, e.g. &quot;3 to 9&quot;</extracomment>
        <translation>De %1 à %2</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The scores from this one up, e.g. &quot;10 or more&quot;</extracomment>
        <translation>%1 ou plus</translation>
    </message>
</context>
<context>
    <name>Translators</name>
    <message>
        <source>LANGUAGE_CODE</source>
        <extracomment>The code of this translation&apos;s language, as in its file name: es, de, pt_BR. Never shown.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.
Voulez-vous rechercher les mises à jour&#x202f;?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>%1 icon</source>
        <translation>Icône de %1</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator is a simple health tool that helps one know if they are prone to diabetes which is a very serious disease if left untreated. This software acts as a guideline so that you can take necessary action before it is too late. All rights to this software are held by Orvane Softwares.</source>
        <translation>Kelo Diabetes Risk Calculator est un outil de santé simple qui vous aide à savoir si vous présentez un risque de diabète, une maladie très grave sans traitement. Ce logiciel vous guide pour que vous puissiez agir avant qu’il ne soit trop tard. Tous les droits sur ce logiciel appartiennent à Orvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Travaillez de chez vous. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel aux couleurs de votre site web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Télécharger Orvane Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Visitez Orvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander &amp;maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>Icône de %1</translation>
    </message>
    <message>
        <source>%1: Exit Screen</source>
        <translation>%1&#x202f;: écran de sortie</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Orvane Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>Le forum en ligne le plus populaire sur orvane. Cliquez ici pour visiter %1.</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Données personnelles</translation>
    </message>
    <message>
        <source>Diabetes is a very serious disease that can lead to a lot of complications if left untreated. This can lead to heart disease, strokes, kidney failure and amputations.</source>
        <translation>Le diabète est une maladie très grave. Non traité, il peut entraîner de nombreuses complications&#x202f;: maladies cardiaques, AVC, insuffisance rénale et amputations.</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator helps you understand this disease better and take precaution on time.</source>
        <translation>Kelo Diabetes Risk Calculator vous aide à mieux comprendre cette maladie et à prendre vos précautions à temps.</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>feet/inches</source>
        <translation>pieds/pouces</translation>
    </message>
    <message>
        <source>Enter Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>livres</translation>
    </message>
    <message>
        <source>&amp;Take the Diabetes Risk Test</source>
        <translation>Faire le &amp;test de risque</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questionnaire</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Main Screen</source>
        <translation>A&amp;ccueil</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Mettez ce logiciel aux couleurs de votre site et gagnez en fidélité et en trafic. Placez ici le nom et le lien de votre site. Voir «&#x202f;Aide&#x202f;». Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travaillez de chez vous. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel aux couleurs de votre site web. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print Result...</source>
        <translation>&amp;Imprimer le résultat...</translation>
    </message>
    <message>
        <source>Save Result as P&amp;DF...</source>
        <translation>Enregistrer le résultat en P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>How Is My Score &amp;Calculated?</source>
        <translation>Comment mon score est-il &amp;calculé&#x202f;?</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l’argent en &amp;ligne</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Saisissez votre nom</translation>
    </message>
    <message>
        <source>Please enter your weight</source>
        <translation>Saisissez votre poids</translation>
    </message>
    <message>
        <source>Please enter a valid weight in pounds</source>
        <translation>Saisissez un poids valide en livres</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Question %1 sur %2</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centimètres</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>kilogrammes</translation>
    </message>
    <message numerus="yes">
        <source>%1 centimetres</source>
        <translation>
            <numerusform>%1 centimètre</numerusform>
            <numerusform>%1 centimètres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#x202f;?</translation>
    </message>
    <message>
        <source>Save Result as PDF</source>
        <translation>Enregistrer le résultat en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer «&#x202f;%1&#x202f;»&#x202f;: %2</translation>
    </message>
    <message>
        <source>Please enter a valid weight in kilograms, e.g. %1</source>
        <extracomment>%1 is 80.5 as the language writes it: &quot;80,5&quot;, &quot;٨٠٫٥&quot;</extracomment>
        <translation>Saisissez un poids valide en kilogrammes, par ex. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 feet %2</source>
        <extracomment>A height in words, heard and not shown: %1 is the feet, %2 the inches as &quot;%1 inches&quot; says them (&quot;5 feet 8 inches&quot;).</extracomment>
        <translation>
            <numerusform>%1 pied %2</numerusform>
            <numerusform>%1 pieds %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 inches</source>
        <extracomment>The inches of a height in words, after the feet.</extracomment>
        <translation>
            <numerusform>%1 pouce</numerusform>
            <numerusform>%1 pouces</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmScore</name>
    <message>
        <source>How Is My Score Calculated?</source>
        <translation>Comment mon score est-il calculé&#x202f;?</translation>
    </message>
    <message>
        <source>Your score adds up the points of your answers and of your weight. The higher the score, the higher the risk.</source>
        <translation>Votre score additionne les points de vos réponses et de votre poids. Plus le score est élevé, plus le risque l’est aussi.</translation>
    </message>
    <message>
        <source>Points for Each Answer</source>
        <translation>Points de chaque réponse</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1, votre réponse</translation>
    </message>
    <message numerus="yes">
        <source>Your answers: %1 points</source>
        <translation>
            <numerusform>Vos réponses&#x202f;: %1 point</numerusform>
            <numerusform>Vos réponses&#x202f;: %1 points</numerusform>
        </translation>
    </message>
    <message>
        <source>Points for Weight</source>
        <translation>Points du poids</translation>
    </message>
    <message numerus="yes">
        <source>At or above this weight: %1 points</source>
        <translation>
            <numerusform>À partir de ce poids&#x202f;: %1 point</numerusform>
            <numerusform>À partir de ce poids&#x202f;: %1 points</numerusform>
        </translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogrammes</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>%1, your height</source>
        <translation>%1, votre taille</translation>
    </message>
    <message numerus="yes">
        <source>Your weight: %1, %2 points</source>
        <translation>
            <numerusform>Votre poids&#x202f;: %1, %2 point</numerusform>
            <numerusform>Votre poids&#x202f;: %1, %2 points</numerusform>
        </translation>
    </message>
    <message>
        <source>Risk by Score</source>
        <translation>Risque selon le score</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risque</translation>
    </message>
    <message>
        <source>%1, your score</source>
        <translation>%1, votre score</translation>
    </message>
    <message>
        <source>%1 marks your answers, height and score.</source>
        <translation>%1 marque vos réponses, votre taille et votre score.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Le logiciel est déjà ouvert</translation>
    </message>
</context>
<context>
    <name>risktest</name>
    <message>
        <source>%1 cm</source>
        <extracomment>An entry of the height list: %1 is whole centimetres.</extracomment>
        <translation>%1&#xa0;cm</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <extracomment>A weight as entered: %1 is the number of kilograms as typed.</extracomment>
        <translation>%1&#xa0;kg</translation>
    </message>
    <message numerus="yes">
        <source>%1 pounds</source>
        <extracomment>A weight as entered: %1 is the number of pounds as typed.</extracomment>
        <translation>
            <numerusform>%1&#xa0;livre</numerusform>
            <numerusform>%1&#xa0;livres</numerusform>
        </translation>
    </message>
</context>
</TS>
