<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Estimates the risk of type 2 diabetes from a short questionnaire.</source>
        <translation>Estima el riesgo de diabetes tipo 2 a partir de un cuestionario breve.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Displays version information and exits.</source>
        <translation>Muestra la información de la versión y termina.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>ExitScreenTexts</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support Orvane Board is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas de Orvane Softwares como este solo pueden crearse y mantenerse con su apoyo. La mejor forma de apoyar a Orvane Board es visitar %1 con regularidad y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting %1</source>
        <translation>Visite %1 con regularidad. Apoye a %1 participando en los debates y demás actividades. Estos programas no pueden recibir soporte ni mantenerse sin sus visitas regulares a %1.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all things orvane. To help %1 develop and maintain this software visit Pellora regularly.</source>
        <translation>%1 es un foro de debate en línea GRATUITO sobre todo lo relacionado con orvane. Para ayudar a %1 a desarrollar y mantener este programa, visite Pellora con regularidad.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit %1 regularly and take part in the various discussions and activites to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 necesita su ayuda. Solo tiene que visitar %1 con regularidad y participar en los debates y actividades para ayudarnos a mantener y crear más programas de Orvane Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit www.%1 Now</source>
        <translation>Haga clic aquí para visitar www.%1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si le gustó este programa, seguramente le interesarán los demás programas de Orvane Softwares. De un solo programa hemos crecido hasta ser la mayor fuente de programas de orvane del mundo. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas de todos los campos, para que nuestros usuarios elijan según sus intereses.</translation>
    </message>
    <message>
        <source>All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos los programas de la colección Orvane Softwares son sencillos y fáciles de usar. Además de entretenidos, son muy informativos. Pruébelos hoy y comparta su experiencia con sus amigos y familiares. </translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Diabetes risk result %1.pdf</source>
        <extracomment>The file name the result is first offered under; %1 is the date, 2024-05-31.</extracomment>
        <translation>Resultado de riesgo de diabetes %1.pdf</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ya hay una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>Resultado de la prueba de riesgo de diabetes</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing is not available: its module was not found at:
%1</source>
        <translation>No se puede imprimir: no se encontró su módulo en:
%1</translation>
    </message>
    <message>
        <source>Printing is not available: its module could not be loaded.
%1</source>
        <translation>No se puede imprimir: no se pudo cargar su módulo.
%1</translation>
    </message>
    <message>
        <source>Printing is not available: %1 is not this program&apos;s printing module.</source>
        <translation>No se puede imprimir: %1 no es el módulo de impresión de este programa.</translation>
    </message>
    <message>
        <source>The result could not be printed: the printer did not start or did not finish the page.</source>
        <translation>No se pudo imprimir el resultado: la impresora no empezó o no terminó la página.</translation>
    </message>
</context>
<context>
    <name>PromptTextBox</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo electrónico no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escriba dos direcciones de correo electrónico distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escriba una dirección de correo electrónico válida</translation>
    </message>
    <message>
        <source>This referral is too long to send. Please shorten your message, or another box, and press Refer A Friend Now again.</source>
        <translation>Esta recomendación es demasiado larga para enviarla. Acorte su mensaje u otro campo y vuelva a presionar «Recomendar ahora».</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escriba su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escriba su correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escriba su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escriba el nombre de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escriba el correo electrónico de su amigo</translation>
    </message>
</context>
<context>
    <name>ResultPage</name>
    <message>
        <source>Diabetes Risk Test Result</source>
        <translation>Resultado de la prueba de riesgo de diabetes</translation>
    </message>
    <message>
        <source>Taken on %1</source>
        <translation>Realizada el %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Estatura:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Weight limit for a height of %1: %2</source>
        <translation>Peso límite para una estatura de %1: %2</translation>
    </message>
    <message>
        <source>Weight limit</source>
        <translation>Peso límite</translation>
    </message>
    <message>
        <source>At or above the limit</source>
        <translation>Igual o mayor que el límite</translation>
    </message>
    <message>
        <source>Below the limit</source>
        <translation>Menor que el límite</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Your answers</source>
        <translation>Sus respuestas</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>How the score works</source>
        <translation>Cómo se calcula el puntaje</translation>
    </message>
    <message numerus="yes">
        <source>Each answer adds the points shown beside it, and a weight at or above the limit for the height adds %1 points. The total falls in one of three bands:</source>
        <translation>
            <numerusform>Cada respuesta suma los puntos que aparecen a su lado, y un peso igual o mayor que el límite para la estatura suma %1 punto. El total cae en uno de tres rangos:</numerusform>
            <numerusform>Cada respuesta suma los puntos que aparecen a su lado, y un peso igual o mayor que el límite para la estatura suma %1 puntos. El total cae en uno de tres rangos:</numerusform>
        </translation>
    </message>
    <message>
        <source>The score is a screening aid, not a diagnosis: only a doctor can tell whether you have diabetes.</source>
        <translation>El puntaje es una ayuda de detección, no un diagnóstico: solo un médico puede decir si usted tiene diabetes.</translation>
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>An answer to a question of the risk test</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Less than 45 years old</source>
        <translation>Menos de 45 años</translation>
    </message>
    <message>
        <source>Between 45 to 64 years old</source>
        <translation>Entre 45 y 64 años</translation>
    </message>
    <message>
        <source>65 years old or more</source>
        <translation>65 años o más</translation>
    </message>
    <message>
        <source>1. What is your age?</source>
        <translation>1. ¿Cuántos años tiene?</translation>
    </message>
    <message>
        <source>2. Do you have any brother or sister suffering from diabetes?</source>
        <translation>2. ¿Tiene algún hermano o hermana con diabetes?</translation>
    </message>
    <message>
        <source>3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?</source>
        <translation>3. ¿Hace ejercicio al menos 3 veces por semana, durante al menos 30 minutos al día?</translation>
    </message>
    <message>
        <source>4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?</source>
        <translation>4. ¿Es usted una mujer que dio a luz a un bebé que pesó 9 libras o más al nacer?</translation>
    </message>
    <message>
        <source>5. Do you have any parent (father or mother) suffering from diabetes?</source>
        <translation>5. ¿Tiene diabetes alguno de sus padres (padre o madre)?</translation>
    </message>
    <message>
        <source>You are at a Very Low Risk of having Type 2 Diabetes now.</source>
        <translation>Usted tiene un riesgo muy bajo de tener diabetes tipo 2 en este momento.</translation>
    </message>
    <message>
        <source>You are at a Low Risk of having Type 2 Diabetes now.</source>
        <translation>Usted tiene un riesgo bajo de tener diabetes tipo 2 en este momento.</translation>
    </message>
    <message>
        <source>You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.</source>
        <translation>Usted tiene un riesgo alto de tener diabetes tipo 2 en este momento. Consulte a su médico.</translation>
    </message>
    <message>
        <source>Your Score is: %1</source>
        <translation>Su puntaje es: %1</translation>
    </message>
    <message>
        <source>P. S: Kindly consult your physician before taking any drastic steps.</source>
        <translation>P. D.: Consulte a su médico antes de tomar cualquier medida drástica.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of scores, e.g. &quot;3 to 9&quot;</extracomment>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The scores from this one up, e.g. &quot;10 or more&quot;</extracomment>
        <translation>%1 o más</translation>
    </message>
</context>
<context>
    <name>Translators</name>
    <message>
        <source>LANGUAGE_CODE</source>
        <extracomment>The code of this translation&apos;s language, as in its file name: es, de, pt_BR. Never shown.</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Es posible que haya una actualización disponible para este programa.
¿Desea buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>%1 icon</source>
        <translation>Ícono de %1</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator is a simple health tool that helps one know if they are prone to diabetes which is a very serious disease if left untreated. This software acts as a guideline so that you can take necessary action before it is too late. All rights to this software are held by Orvane Softwares.</source>
        <translation>Kelo Diabetes Risk Calculator es una herramienta de salud sencilla que le ayuda a saber si tiene riesgo de diabetes, una enfermedad muy grave si no se trata. Este programa es una guía para que pueda actuar antes de que sea demasiado tarde. Todos los derechos de este programa pertenecen a Orvane Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Descargas de Orvane Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Visite Orvane Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomiende a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recomendar &amp;ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>Ícono de %1</translation>
    </message>
    <message>
        <source>%1: Exit Screen</source>
        <translation>%1: pantalla de salida</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Orvane Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>El foro en línea más popular sobre orvane. Haga clic aquí para visitar %1.</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Diabetes is a very serious disease that can lead to a lot of complications if left untreated. This can lead to heart disease, strokes, kidney failure and amputations.</source>
        <translation>La diabetes es una enfermedad muy grave. Sin tratamiento, puede causar muchas complicaciones, como enfermedades del corazón, derrames cerebrales, insuficiencia renal y amputaciones.</translation>
    </message>
    <message>
        <source>Kelo Diabetes Risk Calculator helps you understand this disease better and take precaution on time.</source>
        <translation>Kelo Diabetes Risk Calculator le ayuda a comprender mejor esta enfermedad y a tomar precauciones a tiempo.</translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Enter Height</source>
        <translation>Estatura</translation>
    </message>
    <message>
        <source>feet/inches</source>
        <translation>pies/pulgadas</translation>
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
        <translation>&amp;Realizar la prueba de riesgo</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Next &amp;Question</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Main Screen</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ponga la marca de su sitio en este programa y gane fidelidad y tráfico. Incluya aquí el nombre y el enlace de su sitio. Vea «Ayuda». Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print Result...</source>
        <translation>&amp;Imprimir resultado...</translation>
    </message>
    <message>
        <source>Save Result as P&amp;DF...</source>
        <translation>Guardar resultado como P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nuestro sitio web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>How Is My Score &amp;Calculated?</source>
        <translation>¿Cómo se &amp;calcula mi puntaje?</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Escriba su nombre</translation>
    </message>
    <message>
        <source>Please enter your weight</source>
        <translation>Escriba su peso</translation>
    </message>
    <message>
        <source>Please enter a valid weight in pounds</source>
        <translation>Escriba un peso válido en libras</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Pregunta %1 de %2</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>kilogramos</translation>
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
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Save Result as PDF</source>
        <translation>Guardar resultado como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar «%1»: %2</translation>
    </message>
    <message>
        <source>Please enter a valid weight in kilograms, e.g. %1</source>
        <extracomment>%1 is 80.5 as the language writes it: &quot;80,5&quot;, &quot;٨٠٫٥&quot;</extracomment>
        <translation>Escriba un peso válido en kilogramos, p. ej. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 feet %2</source>
        <extracomment>A height in words, heard and not shown: %1 is the feet, %2 the inches as &quot;%1 inches&quot; says them (&quot;5 feet 8 inches&quot;).</extracomment>
        <translation>
            <numerusform>%1 pie %2</numerusform>
            <numerusform>%1 pies %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 inches</source>
        <extracomment>The inches of a height in words, after the feet.</extracomment>
        <translation>
            <numerusform>%1 pulgada</numerusform>
            <numerusform>%1 pulgadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmScore</name>
    <message>
        <source>How Is My Score Calculated?</source>
        <translation>¿Cómo se calcula mi puntaje?</translation>
    </message>
    <message>
        <source>Your score adds up the points of your answers and of your weight. The higher the score, the higher the risk.</source>
        <translation>Su puntaje suma los puntos de sus respuestas y de su peso. Cuanto más alto el puntaje, mayor el riesgo.</translation>
    </message>
    <message>
        <source>Points for Each Answer</source>
        <translation>Puntos de cada respuesta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>%1, your answer</source>
        <translation>%1, su respuesta</translation>
    </message>
    <message numerus="yes">
        <source>Your answers: %1 points</source>
        <translation>
            <numerusform>Sus respuestas: %1 punto</numerusform>
            <numerusform>Sus respuestas: %1 puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Points for Weight</source>
        <translation>Puntos por el peso</translation>
    </message>
    <message numerus="yes">
        <source>At or above this weight: %1 points</source>
        <translation>
            <numerusform>Con este peso o más: %1 punto</numerusform>
            <numerusform>Con este peso o más: %1 puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Estatura</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramos</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Libras</translation>
    </message>
    <message>
        <source>%1, your height</source>
        <translation>%1, su estatura</translation>
    </message>
    <message numerus="yes">
        <source>Your weight: %1, %2 points</source>
        <translation>
            <numerusform>Su peso: %1, %2 punto</numerusform>
            <numerusform>Su peso: %1, %2 puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Risk by Score</source>
        <translation>Riesgo según el puntaje</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntaje</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Riesgo</translation>
    </message>
    <message>
        <source>%1, your score</source>
        <translation>%1, su puntaje</translation>
    </message>
    <message>
        <source>%1 marks your answers, height and score.</source>
        <translation>%1 marca sus respuestas, estatura y puntaje.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya se está ejecutando</translation>
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
