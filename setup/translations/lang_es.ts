<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DialogAbout</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source> Addressable Fire System Brelix USB Configuration Software </source>
        <translation> Software de configuración USB del sistema de incendio direccionable Brelix </translation>
    </message>
    <message>
        <source>Compilation Date </source>
        <translation>Fecha de compilación </translation>
    </message>
    <message>
        <source>Copyright © 2019 Brelix. All rights reserved.</source>
        <translation>Copyright © 2019 Brelix. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>For support write to &lt;a href=&quot;mailto:support@brelix.example&quot;&gt;support@brelix.example&lt;/a&gt; or visit &lt;a href=&quot;https://www.brelix.example&quot;&gt;www.brelix.example&lt;/a&gt;</source>
        <translation>Para soporte escriba a &lt;a href=&quot;mailto:support@brelix.example&quot;&gt;support@brelix.example&lt;/a&gt; o visite &lt;a href=&quot;https://www.brelix.example&quot;&gt;www.brelix.example&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DialogAddEvent</name>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;EVENT&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;EVENTO&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>EventType</source>
        <translation>Tipo de evento</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;ACTION&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;ACCIÓN&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Create action dialog</source>
        <translation>Crear maniobra</translation>
    </message>
    <message>
        <source>Alarm in panel</source>
        <translation>Alarma en central</translation>
    </message>
    <message>
        <source>Alarm in multiple points</source>
        <translation>Alarma en varios puntos</translation>
    </message>
    <message>
        <source>Alarm in multiple zones</source>
        <translation>Alarma en varias zonas</translation>
    </message>
    <message>
        <source>Technical alarm in panel</source>
        <translation>Alarma técnica en central</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Avería</translation>
    </message>
    <message>
        <source>Disablement active</source>
        <translation>Anulación activa</translation>
    </message>
    <message>
        <source>None disablement active</source>
        <translation>Ninguna anulación activa</translation>
    </message>
    <message>
        <source>MCP Alarm</source>
        <translation>Alarma de pulsador</translation>
    </message>
    <message>
        <source>Detector Alarm</source>
        <translation>Alarma de detector</translation>
    </message>
    <message>
        <source>Alarm in loop</source>
        <translation>Alarma en lazo</translation>
    </message>
    <message>
        <source>Technical alarm in loop</source>
        <translation>Alarma técnica en lazo</translation>
    </message>
    <message>
        <source>General Alarm</source>
        <translation>Alarma general</translation>
    </message>
    <message>
        <source>Double zone alarm</source>
        <translation>Alarma de doble zona</translation>
    </message>
    <message>
        <source>Technical alarm in zone</source>
        <translation>Alarma técnica en zona</translation>
    </message>
    <message>
        <source>Zone quiescent</source>
        <translation>Zona en reposo</translation>
    </message>
    <message>
        <source>Alarm in device</source>
        <translation>Alarma en elemento</translation>
    </message>
    <message>
        <source>All outputs ON</source>
        <translation>Todas las salidas ON</translation>
    </message>
    <message>
        <source>All outputs OFF</source>
        <translation>Todas las salidas OFF</translation>
    </message>
    <message>
        <source>All sounders ON</source>
        <translation>Todas las sirenas ON</translation>
    </message>
    <message>
        <source>All sounders OFF</source>
        <translation>Todas las sirenas OFF</translation>
    </message>
    <message>
        <source>All relays ON</source>
        <translation>Todos los relés ON</translation>
    </message>
    <message>
        <source>All relays OFF</source>
        <translation>Todos los relés OFF</translation>
    </message>
    <message>
        <source>PCB Sounder 1 ON</source>
        <translation>Sirena de placa 1 ON</translation>
    </message>
    <message>
        <source>PCB Sounder 1 OFF</source>
        <translation>Sirena de placa 1 OFF</translation>
    </message>
    <message>
        <source>PCB Sounder 2 ON</source>
        <translation>Sirena de placa 2 ON</translation>
    </message>
    <message>
        <source>PCB Sounder 2 OFF</source>
        <translation>Sirena de placa 2 OFF</translation>
    </message>
    <message>
        <source>Evacuation tone</source>
        <translation>Tono de evacuación</translation>
    </message>
    <message>
        <source>Device ON</source>
        <translation>Elemento ON</translation>
    </message>
    <message>
        <source>Device OFF</source>
        <translation>Elemento OFF</translation>
    </message>
    <message>
        <source>Device ON without reset</source>
        <translation>Elemento ON sin rearme</translation>
    </message>
</context>
<context>
    <name>DialogAddLogEvent</name>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;EVENT&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;EVENTO&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>EventType</source>
        <translation>Tipo de evento</translation>
    </message>
    <message>
        <source>Num:</source>
        <translation>Núm.:</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;ACTION&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;ACCIÓN&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Coincidencias</translation>
    </message>
    <message>
        <source>Create action dialog</source>
        <translation>Crear maniobra</translation>
    </message>
    <message>
        <source>Alarm in panel</source>
        <translation>Alarma en central</translation>
    </message>
    <message>
        <source>Alarm in multiple points</source>
        <translation>Alarma en varios puntos</translation>
    </message>
    <message>
        <source>Alarm in multiple zones</source>
        <translation>Alarma en varias zonas</translation>
    </message>
    <message>
        <source>First alarm</source>
        <translation>Primera alarma</translation>
    </message>
    <message>
        <source>Alarm in loop</source>
        <translation>Alarma en lazo</translation>
    </message>
    <message>
        <source>General Alarm</source>
        <translation>Alarma general</translation>
    </message>
    <message>
        <source>MCP Alarm</source>
        <translation>Alarma de pulsador</translation>
    </message>
    <message>
        <source>Detector Alarm</source>
        <translation>Alarma de detector</translation>
    </message>
    <message>
        <source>Double zone alarm</source>
        <translation>Alarma de doble zona</translation>
    </message>
    <message>
        <source>Tech alarm in zone</source>
        <translation>Alarma técnica en zona</translation>
    </message>
    <message>
        <source>Zone quiescent</source>
        <translation>Zona en reposo</translation>
    </message>
    <message>
        <source>Alarm in device</source>
        <translation>Alarma en elemento</translation>
    </message>
    <message>
        <source>All outputs ON</source>
        <translation>Todas las salidas ON</translation>
    </message>
    <message>
        <source>All outputs OFF</source>
        <translation>Todas las salidas OFF</translation>
    </message>
    <message>
        <source>All sounders ON</source>
        <translation>Todas las sirenas ON</translation>
    </message>
    <message>
        <source>All sounders OFF</source>
        <translation>Todas las sirenas OFF</translation>
    </message>
    <message>
        <source>All relays ON</source>
        <translation>Todos los relés ON</translation>
    </message>
    <message>
        <source>All relays OFF</source>
        <translation>Todos los relés OFF</translation>
    </message>
    <message>
        <source>PCB Sounder 1 ON</source>
        <translation>Sirena de placa 1 ON</translation>
    </message>
    <message>
        <source>PCB Sounder 1 OFF</source>
        <translation>Sirena de placa 1 OFF</translation>
    </message>
    <message>
        <source>PCB Sounder 2 ON</source>
        <translation>Sirena de placa 2 ON</translation>
    </message>
    <message>
        <source>PCB Sounder 2 OFF</source>
        <translation>Sirena de placa 2 OFF</translation>
    </message>
    <message>
        <source>Evacuation tone</source>
        <translation>Tono de evacuación</translation>
    </message>
    <message>
        <source>Device ON</source>
        <translation>Elemento ON</translation>
    </message>
    <message>
        <source>Device OFF</source>
        <translation>Elemento OFF</translation>
    </message>
    <message>
        <source>Device ON without reset</source>
        <translation>Elemento ON sin rearme</translation>
    </message>
</context>
<context>
    <name>DialogAddPanel</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Panel Name</source>
        <translation>Nombre de la central</translation>
    </message>
    <message>
        <source>Add new Panel</source>
        <translation>Añadir nueva central</translation>
    </message>
</context>
<context>
    <name>DialogAskPassword</name>
    <message>
        <source>Introduce password</source>
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <source>Please, enter installer password. </source>
        <translation>Por favor, introduzca la contraseña de instalador. </translation>
    </message>
</context>
<context>
    <name>DialogChoosePanel</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Etiqueta</translation>
    </message>
</context>
<context>
    <name>DialogConfigTime</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Configure date and time</source>
        <translation>Configurar fecha y hora</translation>
    </message>
</context>
<context>
    <name>DialogEditPanel</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>&lt;b&gt;Panel Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;Opciones de la central&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Panel Version</source>
        <translation>Versión de la central</translation>
    </message>
    <message>
        <source>-.--</source>
        <translation>-.--</translation>
    </message>
    <message>
        <source>Panel name</source>
        <translation>Nombre de la central</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>Instalador</translation>
    </message>
    <message>
        <source>Fault phone number</source>
        <translation>Teléfono de averías</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Opciones avanzadas</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;Advanced&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;Avanzado&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Tech alarms configuration</source>
        <translation>Configuración de alarmas técnicas</translation>
    </message>
    <message>
        <source>Screen and buzzer</source>
        <translation>Pantalla y zumbador</translation>
    </message>
    <message>
        <source>Only screen</source>
        <translation>Solo pantalla</translation>
    </message>
    <message>
        <source>Only buzzer</source>
        <translation>Solo zumbador</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Unconfigured elements</source>
        <translation>Elementos no configurados</translation>
    </message>
    <message>
        <source>Pollution warning</source>
        <translation>Aviso de suciedad</translation>
    </message>
    <message>
        <source>Disable buzzer</source>
        <translation>Desactivar zumbador</translation>
    </message>
    <message>
        <source>Led Toggling</source>
        <translation>Parpadeo de LED</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Day-Night mode</source>
        <translation>Modo día-noche</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>&lt;b&gt;Network Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;Opciones de red&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Controler</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;RS485 1 Mode&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;Modo RS485 1&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Modbus</source>
        <translation>Modbus</translation>
    </message>
    <message>
        <source>CID</source>
        <translation>CID</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;MODBUS 1 Configuration&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;Configuración MODBUS 1&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>1200 bps</source>
        <translation>1200 bps</translation>
    </message>
    <message>
        <source>2400 bps</source>
        <translation>2400 bps</translation>
    </message>
    <message>
        <source>4800 bps</source>
        <translation>4800 bps</translation>
    </message>
    <message>
        <source>9600 bps</source>
        <translation>9600 bps</translation>
    </message>
    <message>
        <source>19200 bps</source>
        <translation>19200 bps</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;RS485 2 Mode&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;Modo RS485 2&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;MODBUS 2 Configuration&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;Configuración MODBUS 2&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;Cloud&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;Nube&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Puerta de enlace</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Máscara de red</source>
        <translation>Máscara de red</translation>
    </message>
    <message>
        <source>BIDI</source>
        <translation>BIDI</translation>
    </message>
    <message>
        <source>Only local events</source>
        <translation>Solo eventos locales</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;WebServer&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;&lt;br /&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;Servidor web&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;&lt;br /&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Nombre de usuario</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;CRA&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; font-weight:600;&quot;&gt;CRA&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Send events by:</source>
        <translation>Enviar eventos por:</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Special Modes</source>
        <translation>Modos especiales</translation>
    </message>
    <message>
        <source>Delayed Mode</source>
        <translation>Modo retardado</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Habilitado</translation>
    </message>
    <message>
        <source>H:mm</source>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>From zone</source>
        <translation>Desde zona</translation>
    </message>
    <message>
        <source>to zone</source>
        <translation>hasta zona</translation>
    </message>
    <message>
        <source>Delay 1</source>
        <translation>Retardo 1</translation>
    </message>
    <message>
        <source>Delay 2</source>
        <translation>Retardo 2</translation>
    </message>
    <message>
        <source>Sensibility Mode</source>
        <translation>Modo de sensibilidad</translation>
    </message>
    <message>
        <source>Very Low sensitivity</source>
        <translation>Sensibilidad muy baja</translation>
    </message>
    <message>
        <source>Low sensitivity</source>
        <translation>Sensibilidad baja</translation>
    </message>
    <message>
        <source>High sensitivity</source>
        <translation>Sensibilidad alta</translation>
    </message>
    <message>
        <source>Highest sensitivity</source>
        <translation>Sensibilidad máxima</translation>
    </message>
    <message>
        <source>Opto-Heat Mode</source>
        <translation>Modo óptico-térmico</translation>
    </message>
    <message>
        <source>Only Opto</source>
        <translation>Solo óptico</translation>
    </message>
    <message>
        <source>Only Heat</source>
        <translation>Solo térmico</translation>
    </message>
    <message>
        <source>Day-Night Mode</source>
        <translation>Modo día-noche</translation>
    </message>
    <message>
        <source>Relays OFF</source>
        <translation>Relés OFF</translation>
    </message>
    <message>
        <source>Relays ON</source>
        <translation>Relés ON</translation>
    </message>
    <message>
        <source>Delays OFF</source>
        <translation>Retardos OFF</translation>
    </message>
    <message>
        <source>Delays ON</source>
        <translation>Retardos ON</translation>
    </message>
    <message>
        <source>Sounders OFF</source>
        <translation>Sirenas OFF</translation>
    </message>
    <message>
        <source>Sounders ON</source>
        <translation>Sirenas ON</translation>
    </message>
    <message>
        <source>Enabled zones</source>
        <translation>Zonas habilitadas</translation>
    </message>
    <message>
        <source>Disabled zones</source>
        <translation>Zonas anuladas</translation>
    </message>
    <message>
        <source>Zones in test</source>
        <translation>Zonas en prueba</translation>
    </message>
    <message>
        <source>Edit panel</source>
        <translation>Editar central</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error: each part of an address must be a number from 0 to 255</source>
        <translation>Error: cada parte de una dirección debe ser un número de 0 a 255</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zona %1: %2</translation>
    </message>
</context>
<context>
    <name>DialogElement</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Lazo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Habilitado</translation>
    </message>
    <message>
        <source>Tech</source>
        <translation>Técnica</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Zone Description</source>
        <translation>Descripción de zona</translation>
    </message>
    <message>
        <source>Modify element</source>
        <translation>Modificar elemento</translation>
    </message>
    <message>
        <source>Add new element</source>
        <translation>Añadir nuevo elemento</translation>
    </message>
    <message>
        <source>Zone </source>
        <translation>Zona </translation>
    </message>
</context>
<context>
    <name>DialogExport</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Alarm Log</source>
        <translation>Registro de alarmas</translation>
    </message>
    <message>
        <source>Fault Log</source>
        <translation>Registro de averías</translation>
    </message>
    <message>
        <source>General Log</source>
        <translation>Registro general</translation>
    </message>
    <message>
        <source>Test Log</source>
        <translation>Registro de pruebas</translation>
    </message>
    <message>
        <source>Export logs to CSV dialog</source>
        <translation>Exportar registros a CSV</translation>
    </message>
    <message>
        <source>Open or Create CSV</source>
        <translation>Abrir o crear CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error: two logs cannot be written to the same file</source>
        <translation>Error: dos registros no pueden escribirse en el mismo archivo</translation>
    </message>
</context>
<context>
    <name>DialogManeouverSummary</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Logic Events</source>
        <translation>Eventos lógicos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
</context>
<context>
    <name>MyActionsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;INPUTS&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;ENTRADAS&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;OUTPUTS&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;SALIDAS&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;MANEOUVERS&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;MANIOBRAS&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;LOGICAL MANEOUVERS&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;MANIOBRAS LÓGICAS&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Viewing events of </source>
        <translation>Viendo eventos de </translation>
    </message>
    <message>
        <source>Viewing events of panel </source>
        <translation>Viendo eventos de la central </translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Lazos</translation>
    </message>
    <message>
        <source>Loop </source>
        <translation>Lazo </translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>More than one event needs to be selected to create logical maneuver</source>
        <translation>Hay que seleccionar más de un evento para crear una maniobra lógica</translation>
    </message>
    <message>
        <source>Please select one event source from the event tree</source>
        <translation>Seleccione un origen de evento en el árbol de eventos</translation>
    </message>
    <message>
        <source>Please select one destination action from the action tree</source>
        <translation>Seleccione una acción de destino en el árbol de acciones</translation>
    </message>
    <message>
        <source>Different panels cannot be selected in same logical maneuver</source>
        <translation>No se pueden seleccionar centrales distintas en la misma maniobra lógica</translation>
    </message>
</context>
<context>
    <name>MyElementsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Panel/Loop</source>
        <translation>Central/Lazo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Device description</source>
        <translation>Descripción del elemento</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Zone description</source>
        <translation>Descripción de zona</translation>
    </message>
    <message>
        <source>Add panel</source>
        <translation>Añadir central</translation>
    </message>
    <message>
        <source>Add device</source>
        <translation>Añadir elemento</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Loop </source>
        <translation>Lazo </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error: First add one Panel  </source>
        <translation>Error: primero añada una central  </translation>
    </message>
    <message>
        <source>Error: device already exists</source>
        <translation>Error: el elemento ya existe</translation>
    </message>
    <message>
        <source>Error: every network address from 1 to 32 is in use</source>
        <translation>Error: todas las direcciones de red de 1 a 32 están en uso</translation>
    </message>
    <message>
        <source>Panel </source>
        <translation>Central </translation>
    </message>
</context>
<context>
    <name>MyMainWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Tab 1</source>
        <translation>Pestaña 1</translation>
    </message>
    <message>
        <source>Tab 2</source>
        <translation>Pestaña 2</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Logic events</source>
        <translation>Eventos lógicos</translation>
    </message>
</context>
<context>
    <name>MyMainWindow</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Download Panel</source>
        <translation>Descargar central</translation>
    </message>
    <message>
        <source>Upload Panel</source>
        <translation>Cargar central</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export WS file</source>
        <translation>Exportar archivo WS</translation>
    </message>
    <message>
        <source>Import WS file</source>
        <translation>Importar archivo WS</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>View advanced options</source>
        <translation>Ver opciones avanzadas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Download Config from panel</source>
        <translation>Descargar configuración de la central</translation>
    </message>
    <message>
        <source>Upload Config to panel</source>
        <translation>Cargar configuración en la central</translation>
    </message>
    <message>
        <source>Load configuration from file</source>
        <translation>Cargar configuración desde archivo</translation>
    </message>
    <message>
        <source>Save configuration to file</source>
        <translation>Guardar configuración en archivo</translation>
    </message>
    <message>
        <source>Configure time</source>
        <translation>Configurar hora</translation>
    </message>
    <message>
        <source>Export Logs to CSV</source>
        <translation>Exportar registros a CSV</translation>
    </message>
    <message>
        <source>Export site inform</source>
        <translation>Exportar informe de la instalación</translation>
    </message>
    <message>
        <source>Advanced tools</source>
        <translation>Herramientas avanzadas</translation>
    </message>
    <message>
        <source>Launch system monitor</source>
        <translation>Iniciar el monitor del sistema</translation>
    </message>
    <message>
        <source>Remove element</source>
        <translation>Eliminar elemento</translation>
    </message>
    <message>
        <source>Modify element</source>
        <translation>Modificar elemento</translation>
    </message>
    <message>
        <source>View all maneuver</source>
        <translation>Ver todas las maniobras</translation>
    </message>
    <message>
        <source>Add panel</source>
        <translation>Añadir central</translation>
    </message>
    <message>
        <source>Add element</source>
        <translation>Añadir elemento</translation>
    </message>
    <message>
        <source>Close Confirmation</source>
        <translation>Confirmación de cierre</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Do you want to erase current configuration and create a new one</source>
        <translation>¿Desea borrar la configuración actual y crear una nueva?</translation>
    </message>
    <message>
        <source>Open Xml</source>
        <translation>Abrir Xml</translation>
    </message>
    <message>
        <source>Xml files (*.xml)</source>
        <translation>Archivos Xml (*.xml)</translation>
    </message>
    <message>
        <source>Error reading site file %1</source>
        <translation>Error al leer el archivo de instalación %1</translation>
    </message>
    <message>
        <source>The site in use was left unchanged.</source>
        <translation>La instalación en uso no se ha modificado.</translation>
    </message>
    <message>
        <source>Error writing site file %1</source>
        <translation>Error al escribir el archivo de instalación %1</translation>
    </message>
    <message>
        <source>The site was not saved; the file keeps its previous content.</source>
        <translation>La instalación no se ha guardado; el archivo conserva su contenido anterior.</translation>
    </message>
    <message>
        <source>Save Xml</source>
        <translation>Guardar Xml</translation>
    </message>
    <message>
        <source>Create txt</source>
        <translation>Crear txt</translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation>Archivos de texto enriquecido (*.rtf)</translation>
    </message>
    <message>
        <source>Error writing site information file %1</source>
        <translation>Error al escribir el archivo de información de la instalación %1</translation>
    </message>
    <message>
        <source>The file keeps its previous content.</source>
        <translation>El archivo conserva su contenido anterior.</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Error in USB communication.</source>
        <translation>Error en la comunicación USB.</translation>
    </message>
    <message>
        <source>Error entering password</source>
        <translation>Error al introducir la contraseña</translation>
    </message>
    <message>
        <source>Download configuration to pane</source>
        <translation>Descargar configuración a la central</translation>
    </message>
    <message>
        <source>Select panel</source>
        <translation>Seleccione la central</translation>
    </message>
    <message>
        <source>Overwrite confirmation</source>
        <translation>Confirmación de sobrescritura</translation>
    </message>
    <message>
        <source>Are you sure you want to overwrite panel </source>
        <translation>Confirme que desea sobrescribir la central </translation>
    </message>
    <message>
        <source>Open Conf file</source>
        <translation>Abrir archivo Conf</translation>
    </message>
    <message>
        <source>Conf Files (*.conf)</source>
        <translation>Archivos Conf (*.conf)</translation>
    </message>
    <message>
        <source>Error importing file</source>
        <translation>Error al importar el archivo</translation>
    </message>
    <message>
        <source>Downloading from USB...</source>
        <translation>Descargando por USB...</translation>
    </message>
    <message>
        <source>Importing from file...</source>
        <translation>Importando desde archivo...</translation>
    </message>
    <message>
        <source>Reading from panel..</source>
        <translation>Leyendo de la central..</translation>
    </message>
    <message>
        <source>Reading devices from panel</source>
        <translation>Leyendo elementos de la central</translation>
    </message>
    <message>
        <source>Error reading devices from panel</source>
        <translation>Error al leer los elementos de la central</translation>
    </message>
    <message>
        <source>Error reading zones from panel</source>
        <translation>Error al leer las zonas de la central</translation>
    </message>
    <message>
        <source>Error reading events from panel</source>
        <translation>Error al leer los eventos de la central</translation>
    </message>
    <message>
        <source>Error reading logical events from panel</source>
        <translation>Error al leer los eventos lógicos de la central</translation>
    </message>
    <message>
        <source>Error reading panel information from panel</source>
        <translation>Error al leer la información de la central</translation>
    </message>
    <message>
        <source>Error reading network configuration from panel</source>
        <translation>Error al leer la configuración de red de la central</translation>
    </message>
    <message>
        <source>The panel was left unchanged.</source>
        <translation>La central no se ha modificado.</translation>
    </message>
    <message>
        <source>Configuration read from panel correctly</source>
        <translation>Configuración leída correctamente de la central</translation>
    </message>
    <message>
        <source>Configuration read from binary file correctly</source>
        <translation>Configuración leída correctamente del archivo binario</translation>
    </message>
    <message>
        <source>Upload configuration from panel</source>
        <translation>Cargar configuración en la central</translation>
    </message>
    <message>
        <source>Save configuration from panel</source>
        <translation>Guardar configuración de la central</translation>
    </message>
    <message>
        <source>Save Conf file</source>
        <translation>Guardar archivo Conf</translation>
    </message>
    <message>
        <source>Error exporting file</source>
        <translation>Error al exportar el archivo</translation>
    </message>
    <message>
        <source>Writing to panel...</source>
        <translation>Escribiendo en la central...</translation>
    </message>
    <message>
        <source>Writing to panel..</source>
        <translation>Escribiendo en la central..</translation>
    </message>
    <message>
        <source>Uploading devices</source>
        <translation>Cargando elementos</translation>
    </message>
    <message>
        <source>Error writing devices to panel</source>
        <translation>Error al escribir los elementos en la central</translation>
    </message>
    <message>
        <source>Uploading zones</source>
        <translation>Cargando zonas</translation>
    </message>
    <message>
        <source>Error writing zones to panel</source>
        <translation>Error al escribir las zonas en la central</translation>
    </message>
    <message>
        <source>Uploading events</source>
        <translation>Cargando eventos</translation>
    </message>
    <message>
        <source>Error writing events to panel</source>
        <translation>Error al escribir los eventos en la central</translation>
    </message>
    <message>
        <source>Uploading logic events</source>
        <translation>Cargando eventos lógicos</translation>
    </message>
    <message>
        <source>Error writing  logicalevents to panel</source>
        <translation>Error al escribir los eventos lógicos en la central</translation>
    </message>
    <message>
        <source>Uploading system info</source>
        <translation>Cargando información del sistema</translation>
    </message>
    <message>
        <source>Error writing system info to panel</source>
        <translation>Error al escribir la información del sistema en la central</translation>
    </message>
    <message>
        <source>Uploading network configuration</source>
        <translation>Cargando configuración de red</translation>
    </message>
    <message>
        <source>Error writing network configuration to panel</source>
        <translation>Error al escribir la configuración de red en la central</translation>
    </message>
    <message>
        <source>Error finishing upload to panel</source>
        <translation>Error al finalizar la carga en la central</translation>
    </message>
    <message>
        <source>The panel may now hold a partial configuration.</source>
        <translation>La central puede contener ahora una configuración parcial.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>No se ha escrito ningún archivo.</translation>
    </message>
    <message>
        <source>Configuration written to panel correctly</source>
        <translation>Configuración escrita correctamente en la central</translation>
    </message>
    <message>
        <source>Configuration written to binary file correctly</source>
        <translation>Configuración escrita correctamente en el archivo binario</translation>
    </message>
    <message>
        <source>Downloading LOGS from USB...</source>
        <translation>Descargando REGISTROS por USB...</translation>
    </message>
    <message>
        <source>Reading logs from panel..</source>
        <translation>Leyendo registros de la central..</translation>
    </message>
    <message>
        <source>Reading log from panel</source>
        <translation>Leyendo registro de la central</translation>
    </message>
    <message>
        <source>Reading alarm log from panel</source>
        <translation>Leyendo el registro de alarmas de la central</translation>
    </message>
    <message>
        <source>Error reading alarm log from panel</source>
        <translation>Error al leer el registro de alarmas de la central</translation>
    </message>
    <message>
        <source>Reading fault log from panel</source>
        <translation>Leyendo el registro de averías de la central</translation>
    </message>
    <message>
        <source>Error reading fault log from panel</source>
        <translation>Error al leer el registro de averías de la central</translation>
    </message>
    <message>
        <source>Reading general log from panel</source>
        <translation>Leyendo el registro general de la central</translation>
    </message>
    <message>
        <source>Error reading general log from panel</source>
        <translation>Error al leer el registro general de la central</translation>
    </message>
    <message>
        <source>Reading test log from panel</source>
        <translation>Leyendo el registro de pruebas de la central</translation>
    </message>
    <message>
        <source>Error reading test log from panel</source>
        <translation>Error al leer el registro de pruebas de la central</translation>
    </message>
    <message>
        <source>Logs read correctly from panel</source>
        <translation>Registros leídos correctamente de la central</translation>
    </message>
    <message>
        <source>Log download cancelled</source>
        <translation>Descarga de registros cancelada</translation>
    </message>
    <message>
        <source>The files of these logs were left unchanged.</source>
        <translation>Los archivos de estos registros no se han modificado.</translation>
    </message>
    <message>
        <source>Error setting date and time on panel</source>
        <translation>Error al ajustar la fecha y la hora de la central</translation>
    </message>
    <message>
        <source>Error writing alarm log file %1</source>
        <translation>Error al escribir el archivo del registro de alarmas %1</translation>
    </message>
    <message>
        <source>Error writing fault log file %1</source>
        <translation>Error al escribir el archivo del registro de averías %1</translation>
    </message>
    <message>
        <source>Error writing general log file %1</source>
        <translation>Error al escribir el archivo del registro general %1</translation>
    </message>
    <message>
        <source>Error writing test log file %1</source>
        <translation>Error al escribir el archivo del registro de pruebas %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>EMPTY</source>
        <translation>VACÍO</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>Óptico</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Térmico</translation>
    </message>
    <message>
        <source>Opto-Heat</source>
        <translation>Óptico-térmico</translation>
    </message>
    <message>
        <source>MCP</source>
        <translation>Pulsador</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Sounder</source>
        <translation>Sirena</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Remote Indicator</source>
        <translation>Indicador remoto</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Barrera</translation>
    </message>
    <message>
        <source>OPTO</source>
        <translation>ÓPTICO</translation>
    </message>
    <message>
        <source>HEAT</source>
        <translation>TÉRMICO</translation>
    </message>
    <message>
        <source>OPTO-HEAT</source>
        <translation>ÓPTICO-TÉRMICO</translation>
    </message>
    <message>
        <source>SOUNDER</source>
        <translation>SIRENA</translation>
    </message>
    <message>
        <source>ZONE</source>
        <translation>ZONA</translation>
    </message>
    <message>
        <source>2 ZONES</source>
        <translation>2 ZONAS</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>ENTRADA</translation>
    </message>
    <message>
        <source>2 INPUTS</source>
        <translation>2 ENTRADAS</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>2 OUTPUTS</source>
        <translation>2 SALIDAS</translation>
    </message>
    <message>
        <source>1 INPUT 1 OUTPUT</source>
        <translation>1 ENTRADA 1 SALIDA</translation>
    </message>
    <message>
        <source>2 INPUTS 2 OUTPUTS</source>
        <translation>2 ENTRADAS 2 SALIDAS</translation>
    </message>
    <message>
        <source>OUTPUT 24V</source>
        <translation>SALIDA 24V</translation>
    </message>
    <message>
        <source>2 OUTPUTS 24V</source>
        <translation>2 SALIDAS 24V</translation>
    </message>
    <message>
        <source>SOUNDER MODULE</source>
        <translation>MÓDULO DE SIRENA</translation>
    </message>
    <message>
        <source>2 SOUNDER MODULE</source>
        <translation>MÓDULO DE 2 SIRENAS</translation>
    </message>
    <message>
        <source>220V MODULE</source>
        <translation>MÓDULO 220V</translation>
    </message>
    <message>
        <source>PANEL 2Z</source>
        <translation>CENTRAL 2Z</translation>
    </message>
    <message>
        <source>PANEL 4Z</source>
        <translation>CENTRAL 4Z</translation>
    </message>
    <message>
        <source>PANEL 8Z</source>
        <translation>CENTRAL 8Z</translation>
    </message>
    <message>
        <source>PANEL 12Z</source>
        <translation>CENTRAL 12Z</translation>
    </message>
    <message>
        <source>PANEL EXT</source>
        <translation>CENTRAL EXT</translation>
    </message>
    <message>
        <source>GAS</source>
        <translation>GAS</translation>
    </message>
    <message>
        <source>REMOTE IND</source>
        <translation>IND. REMOTO</translation>
    </message>
    <message>
        <source>BEAM</source>
        <translation>BARRERA</translation>
    </message>
    <message>
        <source>general alarm </source>
        <translation>alarma general </translation>
    </message>
    <message>
        <source>alarm in multiples points </source>
        <translation>alarma en varios puntos </translation>
    </message>
    <message>
        <source>alarm in multiples zones </source>
        <translation>alarma en varias zonas </translation>
    </message>
    <message>
        <source>tech alarm</source>
        <translation>alarma técnica</translation>
    </message>
    <message>
        <source>fault</source>
        <translation>avería</translation>
    </message>
    <message>
        <source>disablement active </source>
        <translation>anulación activa </translation>
    </message>
    <message>
        <source>none disablement active </source>
        <translation>ninguna anulación activa </translation>
    </message>
    <message>
        <source>MCP alarm </source>
        <translation>alarma de pulsador </translation>
    </message>
    <message>
        <source>detector alarm </source>
        <translation>alarma de detector </translation>
    </message>
    <message>
        <source>element empty</source>
        <translation>elemento vacío</translation>
    </message>
    <message>
        <source>multiples points alarm </source>
        <translation>alarma de varios puntos </translation>
    </message>
    <message>
        <source>tech alarm in zone </source>
        <translation>alarma técnica en zona </translation>
    </message>
    <message>
        <source>Zone quiescent</source>
        <translation>Zona en reposo</translation>
    </message>
    <message>
        <source>alarm </source>
        <translation>alarma </translation>
    </message>
    <message>
        <source>all outputs on</source>
        <translation>todas las salidas on</translation>
    </message>
    <message>
        <source>all outputs off</source>
        <translation>todas las salidas off</translation>
    </message>
    <message>
        <source>all sounders on</source>
        <translation>todas las sirenas on</translation>
    </message>
    <message>
        <source>all sounders off</source>
        <translation>todas las sirenas off</translation>
    </message>
    <message>
        <source>all relays on</source>
        <translation>todos los relés on</translation>
    </message>
    <message>
        <source>all relays off</source>
        <translation>todos los relés off</translation>
    </message>
    <message>
        <source>pcb sounder 1 on</source>
        <translation>sirena de placa 1 on</translation>
    </message>
    <message>
        <source>pcb sounder 1 off</source>
        <translation>sirena de placa 1 off</translation>
    </message>
    <message>
        <source>pcb sounder 2 on</source>
        <translation>sirena de placa 2 on</translation>
    </message>
    <message>
        <source>pcb sounder 2 off</source>
        <translation>sirena de placa 2 off</translation>
    </message>
    <message>
        <source>Evacuation tone</source>
        <translation>Tono de evacuación</translation>
    </message>
    <message>
        <source>device on</source>
        <translation>elemento on</translation>
    </message>
    <message>
        <source>device on without reset</source>
        <translation>elemento on sin rearme</translation>
    </message>
    <message>
        <source>device off</source>
        <translation>elemento off</translation>
    </message>
    <message>
        <source>in loop </source>
        <translation>en lazo </translation>
    </message>
    <message>
        <source>from loop </source>
        <translation>desde lazo </translation>
    </message>
    <message>
        <source> to loop </source>
        <translation> hasta lazo </translation>
    </message>
    <message>
        <source> in loop </source>
        <translation> en lazo </translation>
    </message>
    <message>
        <source> from loop </source>
        <translation> desde lazo </translation>
    </message>
    <message>
        <source> in zone </source>
        <translation> en zona </translation>
    </message>
    <message>
        <source> from zone </source>
        <translation> desde zona </translation>
    </message>
    <message>
        <source> to zone </source>
        <translation> hasta zona </translation>
    </message>
    <message>
        <source> in panel </source>
        <translation> en central </translation>
    </message>
    <message>
        <source> in point </source>
        <translation> en punto </translation>
    </message>
    <message>
        <source>event empty </source>
        <translation>evento vacío </translation>
    </message>
    <message>
        <source> remote to panel </source>
        <translation> remoto a la central </translation>
    </message>
    <message>
        <source>loop </source>
        <translation>lazo </translation>
    </message>
    <message>
        <source> address </source>
        <translation> dirección </translation>
    </message>
    <message>
        <source> with delay </source>
        <translation> con retardo </translation>
    </message>
    <message>
        <source> Matches: </source>
        <translation> Coincidencias: </translation>
    </message>
    <message>
        <source>event: </source>
        <translation>evento: </translation>
    </message>
    <message>
        <source>action: </source>
        <translation>acción: </translation>
    </message>
    <message>
        <source>  &gt;&gt;&gt;  action: </source>
        <translation>  &gt;&gt;&gt;  acción: </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>Optical-Heat</source>
        <translation>Óptico-térmico</translation>
    </message>
    <message>
        <source>2 zones</source>
        <translation>2 zonas</translation>
    </message>
    <message>
        <source>1 zone</source>
        <translation>1 zona</translation>
    </message>
    <message>
        <source>2 inputs</source>
        <translation>2 entradas</translation>
    </message>
    <message>
        <source>1 in 1 out</source>
        <translation>1 ent. 1 sal.</translation>
    </message>
    <message>
        <source>2 int 2 out</source>
        <translation>2 ent. 2 sal.</translation>
    </message>
    <message>
        <source>2 outputs</source>
        <translation>2 salidas</translation>
    </message>
    <message>
        <source>Out 24V</source>
        <translation>Sal. 24V</translation>
    </message>
    <message>
        <source>Out 220V</source>
        <translation>Sal. 220V</translation>
    </message>
    <message>
        <source>2 IN 2 OUT</source>
        <translation>2 ENT. 2 SAL.</translation>
    </message>
    <message>
        <source>SOUNDER 24V</source>
        <translation>SIRENA 24V</translation>
    </message>
    <message>
        <source>0x9</source>
        <translation>0x9</translation>
    </message>
    <message>
        <source>Remote indicator</source>
        <translation>Indicador remoto</translation>
    </message>
</context>
</TS>
