! Writes the files the NOAA test expects, with the runtime's own layouts.
program noaa_expected
  character(len=*), parameter :: f = '(6i7,F14.4)'
  open(1, file='noaa_navd_ver.txt', status='replace')
  write(1,*) '% TALVO generic format - Water Level'
  write(1,*) '% ','year ','month ','day ','hour ','min ','sec ','watlev (m)'
  write(1,*) 'NOAA ','UTC',' NAVD88'
  write(1,*) 'NOAA_8761724', 29.263d0, -89.957d0
  write(1,f) 2008, 9, 1, 0, 0, 0, 2.345d0 - 0.5d0
  write(1,f) 2008, 9, 1, 0, 6, 0, -999.0d0
  write(1,f) 2008, 9, 1, 0, 12, 0, -999.0d0
  write(1,f) 2008, 9, 1, 0, 18, 0, -1.25d0 - 0.5d0
  close(1)
  open(1, file='noaa_msl_pre.txt', status='replace')
  write(1,*) '% TALVO generic format - Water Level'
  write(1,*) '% ','year ','month ','day ','hour ','min ','sec ','watlev (m)'
  write(1,*) 'NOAA ','UTC',' MSL'
  write(1,*) 'NOAA_0', 28.932d0, -89.407d0
  write(1,f) 2008, 9, 1, 1, 0, 0, 0.75d0
  write(1,f) 2008, 12, 31, 23, 54, 0, -0.123d0
  close(1)
  open(1, file='noaa_console.txt', status='replace')
  write(1,*) 'Enter the name of the station list'
  write(1,*) 'Processing station Id: ', 1, '8761724'
  write(1,*) 'Processing station Id: ', 2, '0'
  write(1,*) 'FINISHED'
  close(1)
end program
