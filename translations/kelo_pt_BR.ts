<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opções]</translation>
    </message>
    <message>
        <source>Estimates the risk of type 2 diabetes from a short questionnaire.</source>
        <translation>Estima o risco de diabetes tipo 2 a partir de um questionário curto.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Displays version information and exits.</source>
        <translation>Mostra as informações da versão e sai.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado “%1”.</translation>
    </message>
</context>
<context>
    <name>ExitScreenTexts</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support Orvane Board is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas da Orvane Softwares como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar o Orvane Board é visitar %1 com regularidade e participar das discussões e das outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>Visite %1 com regularidade. Apoie %1 participando das discussões e atividades. Sem as suas visitas a %1, estes programas não podem ter suporte nem ser mantidos.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things orvane. To help %1 develop and maintain this software visit Pellora regularly.</source>
        <translation>%1 é um fórum de discussão on-line GRATUITO sobre tudo o que se refere a orvane. Para ajudar %1 a desenvolver e manter este programa, visite Pellora com regularidade.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 precisa da sua ajuda. Basta visitar %1 com regularidade e participar das discussões e atividades para nos ajudar a manter e criar mais programas da Orvane Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit www.%1 Now</source>
        <translation>Clique aqui para visitar www.%1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Se você gostou deste programa, com certeza vai se interessar pelos outros programas da Orvane Softwares. De um único programa, crescemos até nos tornar a maior fonte de programas de orvane do mundo. Astrologia, vidência, tarô, numerologia ou ocultismo: temos programas em todas as áreas, para que nossos usuários escolham conforme os seus interesses.</translation>
    </message>
    <message>
        <source>All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos os programas da coleção Orvane Softwares são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente-os hoje mesmo e compartilhe sua experiência com seus amigos e familiares. </translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Diabetes risk result %1.pdf</source>
        <extracomment>The file name the result is first offered under; %1 is the date, 2024-05-31.</extracomment>
        <translation>Resultado do risco de diabetes %1.pdf</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Já existe uma pasta com esse nome.</translation>
    </message>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>Resultado do teste de risco de diabetes</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing is not available: its module was not found at:
%1</source>
        <translation>Não é possível imprimir: o módulo de impressão não foi encontrado em:
%1</translation>
    </message>
    <message>
        <source>Printing is not available: its module could not be loaded.
%1</source>
        <translation>Não é possível imprimir: não foi possível carregar o módulo de impressão.
%1</translation>
    </message>
    <message>
        <source>Printing is not available: %1 is not this program&apos;s printing module.</source>
        <translation>Não é possível imprimir: %1 não é o módulo de impressão deste programa.</translation>
    </message>
    <message>
        <source>The result could not be printed: the printer did not start or did not finish the page.</source>
        <translation>Não foi possível imprimir o resultado: a impressora não começou ou não terminou a página.</translation>
    </message>
</context>
<context>
    <name>PromptTextBox</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>This referral is too long to send. Please shorten your message, or another box, and press Refer A Friend Now again.</source>
        <translation>Esta indicação é longa demais para ser enviada. Encurte sua mensagem ou outro campo e clique de novo em “Indicar agora”.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
</context>
<context>
    <name>ResultPage</name>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>Resultado do teste de risco de diabetes</translation>
    </message>
    <message>
        <source>Taken on %1</source>
        <translation>Data do teste: %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Weight limit for a height of %1: %2</source>
        <translation>Peso limite para a altura de %1: %2</translation>
    </message>
    <message>
        <source>Weight limit</source>
        <translation>Peso limite</translation>
    </message>
    <message>
        <source>At or above the limit</source>
        <translation>Igual ou acima do limite</translation>
    </message>
    <message>
        <source>Below the limit</source>
        <translation>Abaixo do limite</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Your answers</source>
        <translation>Suas respostas</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>How the score works</source>
        <translation>Como a pontuação é calculada</translation>
    </message>
    <message numerus="yes">
        <source>Each answer adds the points shown beside it, and a weight at or above the limit for the height adds %1 points. The total falls in one of three bands:</source>
        <translation>
            <numerusform>Cada resposta soma os pontos indicados ao lado dela, e um peso igual ou acima do limite para a altura soma %1 ponto. O total fica em uma destas três faixas:</numerusform>
            <numerusform>Cada resposta soma os pontos indicados ao lado dela, e um peso igual ou acima do limite para a altura soma %1 pontos. O total fica em uma destas três faixas:</numerusform>
        </translation>
    </message>
    <message>
        <source>The score is a screening aid, not a diagnosis: only a doctor can tell whether you have diabetes.</source>
        <translation>A pontuação ajuda no rastreamento, mas não é um diagnóstico: só um médico pode dizer se você tem diabetes.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>When the test was taken: %1 is the long date, %2 the time. The mark between them is the language&apos;s own (Arabic writes &quot;،&quot;).</extracomment>
        <translation>%1 às %2</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Yes</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>Não</translation>
    </message>
    <message>
        <source>Less than 45 years old</source>
        <translation>Menos de 45 anos</translation>
    </message>
    <message>
        <source>Between 45 to 64 years old</source>
        <translation>Entre 45 e 64 anos</translation>
    </message>
    <message>
        <source>65 years old or more</source>
        <translation>65 anos ou mais</translation>
    </message>
    <message>
        <source>1. What is your age?</source>
        <translation>1. Qual é a sua idade?</translation>
    </message>
    <message>
        <source>2. Do you have any brother or sister suffering from diabetes?</source>
        <translation>2. Você tem algum irmão ou irmã com diabetes?</translation>
    </message>
    <message>
        <source>3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?</source>
        <translation>3. Você pratica exercícios pelo menos 3 vezes por semana, por pelo menos 30 minutos por dia?</translation>
    </message>
    <message>
        <source>4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?</source>
        <translation>4. Você é uma mulher que teve um bebê que pesou 9&#xa0;libras (cerca de 4&#xa0;kg) ou mais ao nascer?</translation>
    </message>
    <message>
        <source>5. Do you have any parent (father or mother) suffering from diabetes?</source>
        <translation>5. Seu pai ou sua mãe tem diabetes?</translation>
    </message>
    <message>
        <source>You are at a Very Low Risk of having Type 2 Diabetes now.</source>
        <translation>Neste momento, você tem risco muito baixo de ter diabetes tipo&#xa0;2.</translation>
    </message>
    <message>
        <source>You are at a Low Risk of having Type 2 Diabetes now.</source>
        <translation>Neste momento, você tem risco baixo de ter diabetes tipo&#xa0;2.</translation>
    </message>
    <message>
        <source>You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.</source>
        <translation>Neste momento, você tem risco alto de ter diabetes tipo&#xa0;2. Consulte seu médico.</translation>
    </message>
    <message>
        <source>Your Score is: %1</source>
        <translation>Sua pontuação é: %1</translation>
    </message>
    <message>
        <source>P. S: Kindly consult your physician before taking any drastic steps.</source>
        <translation>P.S.: consulte seu médico antes de tomar qualquer medida drástica.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of scores, e.g. &quot;3 to 9&quot;</extracomment>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The scores from this one up, e.g. &quot;10 or more&quot;</extracomment>
        <translation>%1 ou mais</translation>
    </message>
</context>
<context>
    <name>Translators</name>
    <message>
        <source>LANGUAGE_CODE</source>
        <extracomment>The code of this translation&apos;s language, as in its file name: es, de, pt_BR. Never shown.</extracomment>
        <translation>pt_BR</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Pode haver uma atualização disponível para este programa.
Deseja verificar se há atualizações?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>%1 icon</source>
        <translation>Ícone do %1</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator is a simple health tool that helps one know if they are prone to diabetes which is a very serious disease if left untreated. This software acts as a guideline so that you can take necessary action before it is too late. All rights to this software are held by Orvane Softwares.</source>
        <translation>O Kelo Diabetes Risk Calculator é uma ferramenta de saúde simples que ajuda você a saber se tem risco de diabetes, uma doença muito grave se não for tratada. Este programa é um guia para que você possa agir antes que seja tarde demais. Todos os direitos deste programa pertencem à Orvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Crie seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clique aqui para saber mais.</translation>
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
        <translation>Downloads da Orvane Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Visite a Orvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indicar &amp;agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>Ícone do %1</translation>
    </message>
    <message>
        <source>%1: Exit Screen</source>
        <translation>%1: tela de saída</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Orvane Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>O fórum on-line mais popular sobre orvane. Clique aqui para visitar %1.</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Dados pessoais</translation>
    </message>
    <message>
        <source>Diabetes is a very serious disease that can lead to a lot of complications if left untreated. This can lead to heart disease, strokes, kidney failure and amputations.</source>
        <translation>O diabetes é uma doença muito grave. Sem tratamento, pode causar muitas complicações, como doenças do coração, AVC, insuficiência renal e amputações.</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator helps you understand this disease better and take precaution on time.</source>
        <translation>O Kelo Diabetes Risk Calculator ajuda você a entender melhor esta doença e a se prevenir a tempo.</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>feet/inches</source>
        <translation>pés/polegadas</translation>
    </message>
    <message>
        <source>Enter Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>libras</translation>
    </message>
    <message>
        <source>&amp;Take the Diabetes Risk Test</source>
        <translation>&amp;Fazer o teste de risco</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Perguntas</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <translation>&amp;Próxima</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Main Screen</source>
        <translation>&amp;Início</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa e ganhe fidelidade e tráfego. Inclua aqui o nome e o link do seu site. Veja “Ajuda”. Clique aqui para saber mais sobre a marca compartilhada.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Crie seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Print Result...</source>
        <translation>&amp;Imprimir resultado...</translation>
    </message>
    <message>
        <source>Save Result as P&amp;DF...</source>
        <translation>Salvar resultado como P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>How Is My Score &amp;Calculated?</source>
        <translation>Como é &amp;calculada minha pontuação?</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhar dinheiro &amp;on-line</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please enter your weight</source>
        <translation>Digite seu peso</translation>
    </message>
    <message>
        <source>Please enter a valid weight in pounds</source>
        <translation>Digite um peso válido em libras</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Pergunta %1 de %2</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>quilogramas</translation>
    </message>
    <message numerus="yes">
        <source>%1 centimetres</source>
        <translation>
            <numerusform>%1 centímetro</numerusform>
            <numerusform>%1 centímetros</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Save Result as PDF</source>
        <translation>Salvar resultado como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar “%1”: %2</translation>
    </message>
    <message>
        <source>Please enter a valid weight in kilograms, e.g. %1</source>
        <extracomment>%1 is 80.5 as the language writes it: &quot;80,5&quot;, &quot;٨٠٫٥&quot;</extracomment>
        <translation>Digite um peso válido em quilogramas, por exemplo, %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 feet %2</source>
        <extracomment>A height in words, heard and not shown: %1 is the feet, %2 the inches as &quot;%1 inches&quot; says them (&quot;5 feet 8 inches&quot;).</extracomment>
        <translation>
            <numerusform>%1 pé e %2</numerusform>
            <numerusform>%1 pés e %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 inches</source>
        <extracomment>The inches of a height in words, after the feet.</extracomment>
        <translation>
            <numerusform>%1 polegada</numerusform>
            <numerusform>%1 polegadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmScore</name>
    <message>
        <source>How Is My Score Calculated?</source>
        <translation>Como é calculada minha pontuação?</translation>
    </message>
    <message>
        <source>Your score adds up the points of your answers and of your weight. The higher the score, the higher the risk.</source>
        <translation>Sua pontuação soma os pontos das suas respostas e do seu peso. Quanto maior a pontuação, maior o risco.</translation>
    </message>
    <message>
        <source>Points for Each Answer</source>
        <translation>Pontos de cada resposta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1, sua resposta</translation>
    </message>
    <message numerus="yes">
        <source>Your answers: %1 points</source>
        <translation>
            <numerusform>Suas respostas: %1 ponto</numerusform>
            <numerusform>Suas respostas: %1 pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Points for Weight</source>
        <translation>Pontos pelo peso</translation>
    </message>
    <message numerus="yes">
        <source>At or above this weight: %1 points</source>
        <translation>
            <numerusform>A partir deste peso: %1 ponto</numerusform>
            <numerusform>A partir deste peso: %1 pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Quilogramas</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Libras</translation>
    </message>
    <message>
        <source>%1, your height</source>
        <translation>%1, sua altura</translation>
    </message>
    <message numerus="yes">
        <source>Your weight: %1, %2 points</source>
        <translation>
            <numerusform>Seu peso: %1, %2 ponto</numerusform>
            <numerusform>Seu peso: %1, %2 pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Risk by Score</source>
        <translation>Risco conforme a pontuação</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risco</translation>
    </message>
    <message>
        <source>%1, your score</source>
        <translation>%1, sua pontuação</translation>
    </message>
    <message>
        <source>%1 marks your answers, height and score.</source>
        <translation>%1 marca suas respostas, sua altura e sua pontuação.</translation>
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
        <translation>O programa já está em execução</translation>
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
            <numerusform>%1 libra</numerusform>
            <numerusform>%1 libras</numerusform>
        </translation>
    </message>
</context>
</TS>
